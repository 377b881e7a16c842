// "缩水" and "清空" of the last-three panel, driven through a map of boxes.
#include "filters/three/last_three_run.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "filters/two/last_two_run.h"
#include "tests/filters/map_boxes.h"
#include "tests/filters/run_checks.h"

namespace shrink {
namespace {

using test_support::DocumentedStep;
using test_support::MapBoxes;

// The panel's boxes, their operations and their order as users know them.
constexpr DocumentedStep kDocumentedSteps[] = {
    {1, KeepBoldDigit, "1"},          {2, DropBoldDigit, "1"},
    {3, KeepHundredsDigit, "1"},      {4, DropHundredsDigit, "1"},
    {5, KeepTensDigit, "1"},          {6, DropTensDigit, "1"},
    {7, KeepOnesDigit, "1"},          {8, DropOnesDigit, "1"},
    {9, KeepSumTail, "1"},            {10, DropSumTail, "1"},
    {11, KeepSpan, "1"},              {12, DropSpan, "1"},
    {13, KeepPairSum, "0"},           {14, DropPairSum, "0"},
    {15, KeepPairDiff, "0"},          {16, KeepPairSumOrDiff, "0"},
    {17, DropPairDiff, "0"},          {18, DropPairSumOrDiff, "0"},
    {35, KeepBoldGroup, "12=1"},      {36, KeepBoldGroup, "34=2"},
    {37, KeepBoldGroup, "5=0"},       {38, KeepBoldGroup, "67=12"},
    {39, KeepBoldGroup, "8=3"},       {40, KeepBoldGroup, "90=1"},
    {41, KeepSumSpanCombo, "11"},     {42, KeepListedThree, "123 456"},
    {43, DropListedThree, "123 456"}, {44, KeepListedPairs, "05"},
    {45, DropListedPairs, "05"},
};

TEST(ShrinkLastThreeTest, EveryBoxAppliesItsOperationToTheFullSet) {
  test_support::ExpectEachBoxAppliesItsOperation(kDocumentedSteps, ShrinkLastThree, 3, {46, 47});
}

TEST(ShrinkLastThreeTest, ReadsEachBoxOnceInOrderThenTheResultBack) {
  test_support::ExpectReadsEachBoxOnceInOrder(kDocumentedSteps, ShrinkLastThree, "0123456789=0123",
                                              {46, 47});
}

TEST(ShrinkLastThreeTest, Results) {
  struct Case {
    const char* name;
    std::map<int, std::string> boxes;
    std::string result_starts;
    std::string result_ends;
    std::string count;
  };
  const Case kCases[] = {
      {"no condition", {}, "000 001 002", "998 999", "计1000注"},
      {"bold 1", {{1, "1"}}, "001 010", "981 991", "计271注"},
      {"bold 1 and drop 2", {{1, "1"}, {2, "2"}}, "001 010", "981 991", "计217注"},
      {"hundreds 12", {{3, "12"}}, "100 101", "298 299", "计200注"},
      {"ones kept and dropped", {{7, "5"}, {8, "5"}}, "", "", "计0注"},
      {"one space lists no digit", {{1, " "}}, "", "", "计0注"},
      {"one space drops nothing", {{2, " "}}, "000 001", "998 999", "计1000注"},
      {"a line break keeps no entry", {{42, "\r\n"}}, "", "", "计0注"},
      {"a line break drops nothing", {{43, "\r\n"}}, "000 001", "998 999", "计1000注"},
      {"a bold group last keeps its space", {{35, "0=3"}}, "000 ", "000 ", "计1注"},
      {"every group must hold", {{35, "123456=0"}, {40, "7=1"}, {37, "8=0"}}, "007 070 079",
       "979 997 ", "计12注"},
      {"later steps drop the space", {{35, "0=3"}, {45, "11"}}, "000", "000", "计1注"},
      {"space after the whole set", {{36, "=0"}}, "000 001", "998 999 ", "计1000注"},
      {"no trailing space after a combination", {{35, "=0"}, {41, "00"}}, "000", "000", "计1注"},
  };
  for (const Case& c : kCases) {
    MapBoxes boxes;
    boxes.texts = c.boxes;
    ShrinkLastThree(boxes);
    const std::string& result = boxes.texts[46];
    EXPECT_TRUE(result.starts_with(c.result_starts)) << c.name << ": " << result.substr(0, 60);
    EXPECT_TRUE(result.ends_with(c.result_ends)) << c.name << ": " << result;
    EXPECT_FALSE(result.ends_with("  ")) << c.name;
    EXPECT_EQ(boxes.texts[47], c.count) << c.name;
  }
}

TEST(ShrinkLastThreeTest, EachRunStartsAgainFromTheFullSet) {
  test_support::ExpectEachRunStartsFromTheFullSet(
      ShrinkLastThree, {{3, "12"}, {46, "000"}, {47, "计1注"}}, {46, 47}, "计200注");
}

TEST(ClearLastThreeTest, EmptiesTheConditionsAndTheResultInOrder) {
  constexpr int kCleared[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                              16, 17, 18, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46};
  test_support::ExpectClearsExactly(ClearLastThree, kCleared);
}

// The sum-span codes survive "清空" and take part in the next run.
TEST(ClearLastThreeTest, KeepsTheCombinationCodesAndTheCount) {
  MapBoxes boxes;
  boxes.texts = {{3, "0"}, {41, "00"}};
  ShrinkLastThree(boxes);
  ASSERT_EQ(boxes.texts[47], "计1注");
  ClearLastThree(boxes);
  EXPECT_EQ(boxes.texts[3], "");
  EXPECT_EQ(boxes.texts[41], "00");
  EXPECT_EQ(boxes.texts[47], "计1注");
  EXPECT_EQ(boxes.texts[46], "");
  ShrinkLastThree(boxes);
  EXPECT_EQ(boxes.texts[46], "000");
}

TEST(ClearLastThreeTest, TheOtherPanelsClearLeavesThisOne) {
  test_support::ExpectLeavesBoxes(ClearLastTwo, 1, 18);
  test_support::ExpectLeavesBoxes(ClearLastTwo, 35, 47);
}

}  // namespace
}  // namespace shrink
