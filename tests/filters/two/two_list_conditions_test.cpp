// Typed last-two lists: 保留/删除直选单式 (digits in order) and 保留/删除组选单式
// (either order).
#include "filters/two/two_list_conditions.h"

#include <gtest/gtest.h>

#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Twins;

TEST(TwoListConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"ascending, and 5 and 005 match nothing", KeepListedTwo, "12,34\r\n5\t07 005", 3,
       "07 12 34", "07 12 34"},
      {"the same entries reordered and repeated", KeepListedTwo, "34 07 12 34,07", 3, "07 12 34",
       "07 12 34"},
      {"group", KeepGroupTwo, "12 34 07 11", 7, "07 11 12 21 34 43 70", "70"},
      {"group yields both orders", KeepGroupTwo, "50", 2, "05 50", "05 50"},
      {"drop the ends", DropListedTwo, "00 99", 98, "01 02", "97 98"},
      {"drop group", DropGroupTwo, "01", 98, "00 02", "98 99"},
      {"only a line break", KeepListedTwo, "\r\n", 0, "", ""},
      {"only spaces, group", KeepGroupTwo, "  ", 0, "", ""},
      {"drop with only commas", DropListedTwo, ",,", 100, "00 01", "98 99"},
      {"drop group with only a line break", DropGroupTwo, "\r\n", 100, "00 01", "98 99"},
      {"lone line feed joins entries", KeepListedTwo, "12\n34", 0, "", ""},
      {"full-width digits", KeepListedTwo, "\xEF\xBC\x90\xEF\xBC\x95", 0, "", ""},
  };
  test_support::ExpectFullSetResults(kCases, 2);
}

TEST(TwoListConditionsTest, OtherLists) {
  constexpr ListCase kCases[] = {
      {"empty list", KeepListedTwo, "", "12", ""},
      {"empty list, drop", DropListedTwo, "", "12", ""},
      {"empty list, group", KeepGroupTwo, "", "12", ""},
      {"empty list, drop group", DropGroupTwo, "", "12", ""},
      {"repeated member", KeepGroupTwo, "21 12 21", "12", "21 12 21"},
      {"reversal is last then first character", KeepGroupTwo, "5 123", "55 31", "5 123"},
  };
  test_support::ExpectListResults(kCases);
}

TEST(TwoListConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"direct", KeepListedTwo, DropListedTwo, 2},
      {"group", KeepGroupTwo, DropGroupTwo, 2},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomTypedText, 43);
}

}  // namespace
}  // namespace shrink
