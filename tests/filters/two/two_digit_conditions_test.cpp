// Digit, sum-tail and span conditions of the last-two panel.
#include "filters/two/two_digit_conditions.h"

#include <gtest/gtest.h>

#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::DigitShareCase;
using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Twins;

TEST(TwoDigitConditionsTest, EveryValueKeepsItsShareOfTheFullSet) {
  constexpr DigitShareCase kCases[] = {
      {"bold", KeepBoldTwo, {19, 19, 19, 19, 19, 19, 19, 19, 19, 19}},
      {"tens", KeepTensTwo, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {"sum tail", KeepSumTailTwo, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {"span", KeepSpanTwo, {10, 18, 16, 14, 12, 10, 8, 6, 4, 2}},
  };
  test_support::ExpectDigitShares(kCases, 2);
}

TEST(TwoDigitConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"bold 0", KeepBoldTwo, "0", 19, "00 01 02 03 04 05 06 07 08 09 10 20 30 40 50 60 70 80 90",
       "90"},
      {"drop bold 0", DropBoldTwo, "0", 81, "11 12", "98 99"},
      {"bold 1 and 2", KeepBoldTwo, "12", 36, "01 02 10", "91 92"},
      {"tens 3", KeepTensTwo, "3", 10, "30 31 32 33 34 35 36 37 38 39", "39"},
      {"drop tens every digit", DropTensTwo, "0123456789", 0, "", ""},
      {"sum tail 0", KeepSumTailTwo, "0", 10, "00 19 28 37 46 55 64 73 82 91", "91"},
      {"sum tail 5", KeepSumTailTwo, "5", 10, "05 14 23 32 41 50 69 78 87 96", "96"},
      {"span 0", KeepSpanTwo, "0", 10, "00 11 22 33 44 55 66 77 88 99", "99"},
      {"span 9", KeepSpanTwo, "9", 2, "09 90", "90"},
      {"span 8", KeepSpanTwo, "8", 4, "08 19 80 91", "91"},
      {"10 lists spans 1 and 0", KeepSpanTwo, "10", 28, "00 01 10 11 12", "98 99"},
      {"tens digits apart", KeepTensTwo, "1 2 3", 30, "10 11", "38 39"},
      {"tens digits together", KeepTensTwo, "123", 30, "10 11", "38 39"},
      {"tens digits between commas", KeepTensTwo, "1,2,3", 30, "10 11", "38 39"},
      {"tens digits and trailing spaces", KeepTensTwo, "123  ", 30, "10 11", "38 39"},
      {"one space lists nothing", KeepBoldTwo, " ", 0, "", ""},
      {"drop with one space keeps all", DropSpanTwo, " ", 100, "00 01", "98 99"},
      {"no digit keeps no sum tail", KeepSumTailTwo, "-", 0, "", ""},
      {"drop with no digit keeps all", DropSumTailTwo, "-", 100, "00 01", "98 99"},
  };
  test_support::ExpectFullSetResults(kCases, 2);
}

TEST(TwoDigitConditionsTest, OtherLists) {
  constexpr ListCase kCases[] = {
      {"equal digits: sum tail 8", KeepSumTailTwo, "44 55", "8", "44"},
      {"equal digits: sum tail 0", KeepSumTailTwo, "44 55", "0", "55"},
      {"span either way round", KeepSpanTwo, "13 31 22", "2", "13 31"},
      {"empty list", KeepBoldTwo, "", "0123456789", ""},
      {"empty list, drop", DropTensTwo, "", "", ""},
      {"empty list, sum tail", KeepSumTailTwo, "", "0", ""},
      {"empty list, span", DropSpanTwo, "", "0", ""},
  };
  test_support::ExpectListResults(kCases);
}

TEST(TwoDigitConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"bold", KeepBoldTwo, DropBoldTwo, 2},
      {"tens", KeepTensTwo, DropTensTwo, 2},
      {"sum tail", KeepSumTailTwo, DropSumTailTwo, 2},
      {"span", KeepSpanTwo, DropSpanTwo, 2},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomConditionText, 42);
}

}  // namespace
}  // namespace shrink
