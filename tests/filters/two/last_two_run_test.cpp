// "缩水" and "全部清空" of the last-two panel, driven through a map of boxes.
#include "filters/two/last_two_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "filters/three/last_three_run.h"
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
    {19, KeepBoldTwo, "1"},        {20, DropBoldTwo, "1"},      {21, KeepTensTwo, "1"},
    {22, DropTensTwo, "1"},        {23, KeepOnesDigit, "1"},    {24, DropOnesDigit, "1"},
    {25, KeepSumTailTwo, "1"},     {26, DropSumTailTwo, "1"},   {27, KeepSpanTwo, "1"},
    {28, DropSpanTwo, "1"},        {29, KeepListedTwo, "12 34"}, {30, DropListedTwo, "12 34"},
    {31, KeepGroupTwo, "12 34"},   {32, DropGroupTwo, "12 34"},
};

TEST(ShrinkLastTwoTest, EveryBoxAppliesItsOperationToTheFullSet) {
  const std::string full_set = MakeFullSet(2);
  for (const DocumentedStep& step : kDocumentedSteps) {
    MapBoxes boxes;
    boxes.texts[step.box] = std::string(step.condition);
    ShrinkLastTwo(boxes);
    const std::string expected = step.op(full_set, step.condition);
    EXPECT_EQ(boxes.texts[33], expected) << "box " << step.box;
    EXPECT_EQ(boxes.texts[34], CountLabel(expected)) << "box " << step.box;
  }
}

TEST(ShrinkLastTwoTest, ReadsEachBoxOnceInOrderThenTheResultBack) {
  MapBoxes boxes;
  for (const DocumentedStep& step : kDocumentedSteps) boxes.texts[step.box] = "0123456789";
  ShrinkLastTwo(boxes);
  std::vector<int> expected;
  for (const DocumentedStep& step : kDocumentedSteps) expected.push_back(step.box);
  expected.push_back(33);
  EXPECT_EQ(boxes.reads, expected);
  EXPECT_EQ(boxes.writes, (std::vector<int>{33, 34}));
}

TEST(ShrinkLastTwoTest, Results) {
  struct Case {
    const char* name;
    std::map<int, std::string> boxes;
    std::string result;
    std::string count;
  };
  const Case kCases[] = {
      {"no condition", {}, MakeFullSet(2), "计100注"},
      {"bold 0", {{19, "0"}}, "00 01 02 03 04 05 06 07 08 09 10 20 30 40 50 60 70 80 90", "计19注"},
      {"bold 1 kept and dropped", {{19, "1"}, {20, "1"}}, "", "计0注"},
      {"tens 3 and ones 5", {{21, "3"}, {23, "5"}}, "35", "计1注"},
      {"one space lists no digit", {{23, " "}}, "", "计0注"},
      {"one space drops nothing", {{24, " "}}, MakeFullSet(2), "计100注"},
      {"a line break keeps no entry", {{29, "\r\n"}}, "", "计0注"},
      {"a line break drops nothing", {{30, "\r\n"}}, MakeFullSet(2), "计100注"},
      {"group after direct", {{29, "12 21 34"}, {32, "43"}}, "12 21", "计2注"},
  };
  for (const Case& c : kCases) {
    MapBoxes boxes;
    boxes.texts = c.boxes;
    ShrinkLastTwo(boxes);
    EXPECT_EQ(boxes.texts[33], c.result) << c.name;
    EXPECT_EQ(boxes.texts[34], c.count) << c.name;
  }
}

TEST(ShrinkLastTwoTest, EachRunStartsAgainFromTheFullSet) {
  MapBoxes boxes;
  boxes.texts = {{21, "3"}, {33, "00"}, {34, "计1注"}};
  ShrinkLastTwo(boxes);
  const std::string first = boxes.texts[33];
  ShrinkLastTwo(boxes);
  EXPECT_EQ(boxes.texts[33], first);
  EXPECT_EQ(boxes.texts[34], "计10注");
}

// Every box of both panels, each with its own text.
MapBoxes FilledPanels() {
  MapBoxes boxes;
  for (int box = 1; box <= 47; ++box) boxes.texts[box] = "text " + std::to_string(box);
  return boxes;
}

TEST(ClearLastTwoTest, EmptiesTheConditionsAndTheResultInOrderAndKeepsTheCount) {
  MapBoxes boxes = FilledPanels();
  ClearLastTwo(boxes);
  std::vector<int> cleared;
  for (int box = 19; box <= 33; ++box) cleared.push_back(box);
  EXPECT_EQ(boxes.writes, cleared);
  const MapBoxes untouched = FilledPanels();
  for (int box = 1; box <= 47; ++box) {
    const bool emptied = std::find(cleared.begin(), cleared.end(), box) != cleared.end();
    EXPECT_EQ(boxes.texts[box], emptied ? "" : untouched.texts.at(box)) << "box " << box;
  }
}

TEST(ClearLastTwoTest, TheOtherPanelsClearLeavesThisOne) {
  MapBoxes boxes = FilledPanels();
  ClearLastThree(boxes);
  const MapBoxes untouched = FilledPanels();
  for (int box = 19; box <= 34; ++box) EXPECT_EQ(boxes.texts[box], untouched.texts.at(box)) << "box " << box;
}

TEST(ClearLastTwoTest, TheNextRunShowsTheFullSetAgain) {
  MapBoxes boxes;
  boxes.texts = {{19, "1"}, {20, "1"}};
  ShrinkLastTwo(boxes);
  ASSERT_EQ(boxes.texts[34], "计0注");
  ClearLastTwo(boxes);
  EXPECT_EQ(boxes.texts[34], "计0注");
  ShrinkLastTwo(boxes);
  EXPECT_EQ(boxes.texts[33], MakeFullSet(2));
  EXPECT_EQ(boxes.texts[34], "计100注");
}

}  // namespace
}  // namespace shrink
