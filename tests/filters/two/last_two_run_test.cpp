// "缩水" and "全部清空" of the last-two panel, driven through a map of boxes.
#include "filters/two/last_two_run.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "filters/three/last_three_run.h"
#include "numbers/number_list.h"
#include "tests/filters/map_boxes.h"
#include "tests/filters/run_checks.h"

namespace shrink {
namespace {

using test_support::DocumentedStep;
using test_support::MapBoxes;

// The panel's boxes, their operations and their order as users know them.
constexpr DocumentedStep kDocumentedSteps[] = {
    {19, KeepBoldTwo, "1"},        {20, DropBoldTwo, "1"},      {21, KeepTensTwo, "1"},
    {22, DropTensTwo, "1"},        {23, KeepOnesDigit, "1"},    {24, DropOnesDigit, "1"},
    {25, KeepSumTailTwo, "1"},     {26, DropSumTailTwo, "1"},   {27, KeepSpanTwo, "1"},
    {28, DropSpanTwo, "1"},        {29, KeepListedTwo, "12 34"}, {30, DropListedTwo, "12 34"},
    {31, KeepGroupTwo, "12 34"},   {32, DropGroupTwo, "12 34"},
};

TEST(ShrinkLastTwoTest, EveryBoxAppliesItsOperationToTheFullSet) {
  test_support::ExpectEachBoxAppliesItsOperation(kDocumentedSteps, ShrinkLastTwo, 2, {33, 34});
}

TEST(ShrinkLastTwoTest, ReadsEachBoxOnceInOrderThenTheResultBack) {
  test_support::ExpectReadsEachBoxOnceInOrder(kDocumentedSteps, ShrinkLastTwo, "0123456789",
                                              {33, 34});
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
  test_support::ExpectEachRunStartsFromTheFullSet(
      ShrinkLastTwo, {{21, "3"}, {33, "00"}, {34, "计1注"}}, {33, 34}, "计10注");
}

TEST(ClearLastTwoTest, EmptiesTheConditionsAndTheResultInOrderAndKeepsTheCount) {
  constexpr int kCleared[] = {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};
  test_support::ExpectClearsExactly(ClearLastTwo, kCleared);
}

TEST(ClearLastTwoTest, TheOtherPanelsClearLeavesThisOne) {
  test_support::ExpectLeavesBoxes(ClearLastThree, 19, 34);
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
