// "定合尾" "杀合尾" "定跨度" "杀跨度" and the span of one number.
#include "filters/three/sum_span_conditions.h"

#include <gtest/gtest.h>

#include <string_view>

#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::DigitShareCase;
using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Twins;

TEST(SpanOfTest, LargestDigitMinusSmallest) {
  struct Case {
    const char* name;
    std::string_view number;
    int span;
  };
  constexpr Case kCases[] = {
      {"0 and 9", "190", 9},
      {"close digits", "789", 2},
      {"equal digits", "555", 0},
      {"two digits", "09", 9},
      {"one digit", "5", 0},
      {"empty text", "", 0},
      {"every digit counts", "12345", 4},
      {"a letter counts 0", "1a9", 9},
      {"full-width space counts 0", "\xE3\x80\x80" "9", 9},
  };
  for (const Case& c : kCases) EXPECT_EQ(SpanOf(c.number), c.span) << c.name;
}

TEST(SumSpanConditionsTest, EveryValueKeepsItsShareOfTheFullSet) {
  constexpr DigitShareCase kCases[] = {
      {"sum tail", KeepSumTail, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
      {"drop sum tail", DropSumTail, {900, 900, 900, 900, 900, 900, 900, 900, 900, 900}},
      {"span", KeepSpan, {10, 54, 96, 126, 144, 150, 144, 126, 96, 54}},
      {"drop span", DropSpan, {990, 946, 904, 874, 856, 850, 856, 874, 904, 946}},
  };
  test_support::ExpectDigitShares(kCases, 3);
}

TEST(SumSpanConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"sum tail 0: sums 0, 10 and 20", KeepSumTail, "0", 100,
       "000 019 028 037 046 055 064 073 082 091 109 118", "983 992"},
      {"digits apart", KeepSumTail, "1 2 3", 300, "001 002 003 010", "994 995"},
      {"digits together", KeepSumTail, "123", 300, "001 002 003 010", "994 995"},
      {"digits between commas", KeepSumTail, "1,2,3", 300, "001 002 003 010", "994 995"},
      {"full-width space, tab and line break", KeepSumTail, "1\xE3\x80\x80" "2\t3\r\n", 300,
       "001 002 003 010", "994 995"},
      {"minus sign ignored", KeepSumTail, "-3", 100, "003 012 021 030", "986 995"},
      {"span 0", KeepSpan, "0", 10, "000 111 222 333 444 555 666 777 888 999", "999"},
      {"span 9 holds 0 and 9", KeepSpan, "9", 54, "009 019 029", "980 990"},
      {"10 lists spans 1 and 0", KeepSpan, "10", 64, "000 001 010 011", "999"},
      {"drop spans 1 and 0", DropSpan, "10", 936, "002 003", "997"},
      {"one space lists nothing", KeepSumTail, " ", 0, "", ""},
      {"drop with one space keeps all", DropSumTail, " ", 1000, "000", "999"},
      {"no digit keeps no span", KeepSpan, "-a,", 0, "", ""},
      {"drop with no digit keeps all", DropSpan, "-a,", 1000, "000", "999"},
  };
  test_support::ExpectFullSetResults(kCases, 3);
}

TEST(SumSpanConditionsTest, OtherLists) {
  constexpr ListCase kCases[] = {
      {"empty list", KeepSumTail, "", "0123456789", ""},
      {"empty list, drop", DropSpan, "", "", ""},
      {"bold group's trailing space", KeepSpan, "000 190 ", "9", "190"},
      {"sum tail of short members", KeepSumTail, "5 19 55", "09", "5 19"},
      {"span of a long member", KeepSpan, "12345", "4", "12345"},
  };
  test_support::ExpectListResults(kCases);
}

TEST(SumSpanConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"sum tail", KeepSumTail, DropSumTail, 3},
      {"span", KeepSpan, DropSpan, 3},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomConditionText, 9);
}

}  // namespace
}  // namespace shrink
