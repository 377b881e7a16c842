// "定两码合" to "删除合差": the sum tails and differences of the pairs
// hundreds-tens, tens-ones and hundreds-ones.
#include "filters/three/pair_conditions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "numbers/number_list.h"
#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Members;
using test_support::Twins;

TEST(PairConditionsTest, OneMemberByItsPairs) {
  // 190: sum tails 0, 9, 1; differences 8, 9, 1. 789: sum tails 5, 7, 6;
  // differences 1, 1, 2.
  constexpr ListCase kCases[] = {
      {"sum tail of 1 and 9", KeepPairSum, "190", "0", "190"},
      {"no sum tail 8", KeepPairSum, "190", "8", ""},
      {"difference of 1 and 9", KeepPairDiff, "190", "8", "190"},
      {"sum tail pooled", KeepPairSumOrDiff, "190", "0", "190"},
      {"difference pooled", KeepPairSumOrDiff, "190", "8", "190"},
      {"neither pooled", KeepPairSumOrDiff, "190", "2", ""},
      {"drop by difference", DropPairDiff, "190", "8", ""},
      {"drop pooled", DropPairSumOrDiff, "190", "0", ""},
      {"hundreds-ones pair alone", KeepPairDiff, "789", "2", "789"},
      {"no difference 3", KeepPairDiff, "789", "3", ""},
      {"minus makes no signed difference", KeepPairDiff, "147 741 123", "-3", "147 741"},
      {"empty list", KeepPairSumOrDiff, "", "0123456789", ""},
      {"empty list, drop", DropPairSum, "", "", ""},
      {"bold group's trailing space", KeepPairSum, "190 222 ", "0", "190"},
  };
  test_support::ExpectListResults(kCases);
}

TEST(PairConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"difference 0: two equal digits", KeepPairDiff, "0", 280, "000 001 002", "998 999"},
      {"drop difference 0: three different digits", DropPairDiff, "0", 720, "012 013", "986 987"},
      {"difference 9 holds 0 and 9", KeepPairDiff, "9", 54, "009 019 029", "980 990"},
      {"sum tail 0", KeepPairSum, "0", 272, "000 001 002 003 004 005 006 007 008 009 010 019",
       "982 991"},
      {"sum tail 5", KeepPairSum, "5", 270, "005 014 015", "996"},
      {"sum tails 0 and 1", KeepPairSum, "01", 488, "000 001", "991 992"},
      {"pooled 0", KeepPairSumOrDiff, "0", 472, "000 001", "999"},
      {"drop pooled 0", DropPairSumOrDiff, "0", 528, "012 013", "987"},
      {"one space lists nothing", KeepPairSum, " ", 0, "", ""},
      {"drop with one space keeps all", DropPairSumOrDiff, " ", 1000, "000", "999"},
      {"drop with no digit keeps all", DropPairSum, "abc", 1000, "000", "999"},
      {"digits together", KeepPairDiff, "12", 702, "001 002", "998"},
      {"digits apart", KeepPairDiff, "1 2", 702, "001 002", "998"},
      {"digits between commas", KeepPairDiff, "1,2", 702, "001 002", "998"},
  };
  test_support::ExpectFullSetResults(kCases, 3);
}

// The pooled conditions keep exactly the members that either single one keeps.
TEST(PairConditionsTest, PooledIsTheUnionOfSumAndDifference) {
  const std::string full_set = MakeFullSet(3);
  test_support::Rng rng(7);
  for (int round = 0; round < 60; ++round) {
    const std::string condition = test_support::RandomConditionText(rng);
    std::set<std::string> either;
    for (const std::string& m : Members(KeepPairSum(full_set, condition))) either.insert(m);
    for (const std::string& m : Members(KeepPairDiff(full_set, condition))) either.insert(m);
    const auto pooled = Members(KeepPairSumOrDiff(full_set, condition));
    EXPECT_EQ(std::set<std::string>(pooled.begin(), pooled.end()), either) << condition;
  }
}

TEST(PairConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"pair sum", KeepPairSum, DropPairSum, 3},
      {"pair difference", KeepPairDiff, DropPairDiff, 3},
      {"pooled", KeepPairSumOrDiff, DropPairSumOrDiff, 3},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomConditionText, 11);
}

}  // namespace
}  // namespace shrink
