// "缩水" and "清空" of the last-three panel, driven through a map of boxes.
#include "filters/three/last_three_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "filters/two/last_two_run.h"
#include "numbers/count_label.h"
#include "numbers/number_list.h"
#include "tests/filters/map_boxes.h"

namespace shrink {
namespace {

using test_support::MapBoxes;

// The panel's boxes, their operations and their order as users know them,
// each with a condition text that tells the operation apart from its
// neighbours.
struct DocumentedStep {
  int box;
  Condition op;
  std::string_view condition;
};
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
  const std::string full_set = MakeFullSet(3);
  for (const DocumentedStep& step : kDocumentedSteps) {
    MapBoxes boxes;
    boxes.texts[step.box] = std::string(step.condition);
    ShrinkLastThree(boxes);
    const std::string expected = step.op(full_set, step.condition);
    EXPECT_EQ(boxes.texts[46], expected) << "box " << step.box;
    EXPECT_EQ(boxes.texts[47], CountLabel(expected)) << "box " << step.box;
  }
}

TEST(ShrinkLastThreeTest, ReadsEachBoxOnceInOrderThenTheResultBack) {
  MapBoxes boxes;
  for (const DocumentedStep& step : kDocumentedSteps) boxes.texts[step.box] = "0123456789=0123";
  ShrinkLastThree(boxes);
  std::vector<int> expected;
  for (const DocumentedStep& step : kDocumentedSteps) expected.push_back(step.box);
  expected.push_back(46);
  EXPECT_EQ(boxes.reads, expected);
  EXPECT_EQ(boxes.writes, (std::vector<int>{46, 47}));
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
  MapBoxes boxes;
  boxes.texts = {{3, "12"}, {46, "000"}, {47, "计1注"}};
  ShrinkLastThree(boxes);
  const std::string first = boxes.texts[46];
  ShrinkLastThree(boxes);
  EXPECT_EQ(boxes.texts[46], first);
  EXPECT_EQ(boxes.texts[47], "计200注");
}

// Every box of both panels, each with its own text.
MapBoxes FilledPanels() {
  MapBoxes boxes;
  for (int box = 1; box <= 47; ++box) boxes.texts[box] = "text " + std::to_string(box);
  return boxes;
}

TEST(ClearLastThreeTest, EmptiesTheConditionsAndTheResultInOrder) {
  MapBoxes boxes = FilledPanels();
  ClearLastThree(boxes);
  const std::vector<int> cleared{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46};
  EXPECT_EQ(boxes.writes, cleared);
  const MapBoxes untouched = FilledPanels();
  for (int box = 1; box <= 47; ++box) {
    const bool emptied = std::find(cleared.begin(), cleared.end(), box) != cleared.end();
    EXPECT_EQ(boxes.texts[box], emptied ? "" : untouched.texts.at(box)) << "box " << box;
  }
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
  MapBoxes boxes = FilledPanels();
  ClearLastTwo(boxes);
  const MapBoxes untouched = FilledPanels();
  for (int box = 1; box <= 47; ++box) {
    if (box < 19 || box > 34) {
      EXPECT_EQ(boxes.texts[box], untouched.texts.at(box)) << "box " << box;
    }
  }
}

}  // namespace
}  // namespace shrink
