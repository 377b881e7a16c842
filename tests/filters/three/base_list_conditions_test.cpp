// Typed bases against last-three numbers: 保留/删除直选大底 and 保留/删除后三两码.
#include "filters/three/base_list_conditions.h"

#include <gtest/gtest.h>

#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Twins;

TEST(BaseListConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"list order, not typed order", KeepListedThree, "999 000", 2, "000 999", "000 999"},
      {"only the three-digit entry matches", KeepListedThree, "12 012 0012", 1, "012", "012"},
      {"comma and space make a harmless empty entry", KeepListedThree, "123, 456", 2, "123 456",
       "123 456"},
      {"line break", KeepListedThree, "123\r\n456", 2, "123 456", "123 456"},
      {"tab", KeepListedThree, "456\t123", 2, "123 456", "123 456"},
      {"repeats", KeepListedThree, "456 456,456", 1, "456", "456"},
      {"lone line feed joins entries", KeepListedThree, "123\n456", 0, "", ""},
      {"full-width comma joins entries", KeepListedThree, "123\xEF\xBC\x8C" "456", 0, "", ""},
      {"full-width space joins entries", KeepListedThree, "123\xE3\x80\x80" "456", 0, "", ""},
      {"drop three", DropListedThree, "001 002 003", 997, "000 004 005", "998 999"},
      {"code 05", KeepListedPairs, "05", 10, "005 105 205 305 405 505 605 705 805 905", "905"},
      {"codes 12 and 21", KeepListedPairs, "12 21", 20, "012 021 112 121", "912 921"},
      {"one digit is no code", KeepListedPairs, "5", 0, "", ""},
      {"three digits are no code", KeepListedPairs, "123", 0, "", ""},
      {"drop the ten doubles", DropListedPairs, "00 11 22 33 44 55 66 77 88 99", 900,
       "001 002", "997 998"},
      {"keep with only separators", KeepListedThree, " ,\t\r\n", 0, "", ""},
      {"drop with only separators", DropListedThree, " ,\t\r\n", 1000, "000 001", "998 999"},
      {"keep codes with only separators", KeepListedPairs, "\r\n", 0, "", ""},
      {"drop codes with only separators", DropListedPairs, ",,", 1000, "000 001", "998 999"},
  };
  test_support::ExpectFullSetResults(kCases, 3);
}

TEST(BaseListConditionsTest, OtherLists) {
  constexpr ListCase kCases[] = {
      {"repeated member keeps both copies", KeepListedThree, "123 456 123", "123", "123 123"},
      {"repeated member drops both copies", DropListedThree, "123 456 123", "123", "456"},
      {"empty list", KeepListedThree, "", "123", ""},
      {"empty list, drop", DropListedThree, "", "123", ""},
      {"empty list, codes", KeepListedPairs, "", "23", ""},
      {"empty list, drop codes", DropListedPairs, "", "23", ""},
      {"a bold group's trailing space", DropListedThree, "000 001 ", "000", "001"},
      {"a list cut like the typed text", KeepListedThree, "000,001\r\n002", "002 000", "000 002"},
      {"a short member compares whole", KeepListedPairs, "5 123", "5", "5"},
  };
  test_support::ExpectListResults(kCases);
}

TEST(BaseListConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"listed three", KeepListedThree, DropListedThree, 3},
      {"listed pairs", KeepListedPairs, DropListedPairs, 3},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomTypedText, 36);
}

}  // namespace
}  // namespace shrink
