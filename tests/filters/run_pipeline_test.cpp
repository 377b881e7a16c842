// The walker both runs share: apply each filled box in table order, write the
// result, and count what the result box shows.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "filters/boxes.h"
#include "tests/filters/map_boxes.h"

namespace shrink {
namespace {

using test_support::MapBoxes;

// Each step appends "<box number>:<condition>;" so the test sees which steps
// ran, in what order, with which text.
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}

template <int kBox>
std::string Record(std::string_view list, std::string_view condition) {
  Calls().push_back(std::to_string(kBox) + ":" + std::string(condition));
  return std::string(list) + "+" + std::to_string(kBox);
}

constexpr std::array<PipelineStep, 4> kSteps{{{7, Record<7>}, {3, Record<3>}, {5, Record<5>}, {1, Record<1>}}};
constexpr RunOutput kOutput{10, 11};

TEST(RunPipelineTest, AppliesFilledBoxesInTableOrderWithTheirRawText) {
  Calls().clear();
  MapBoxes boxes;
  boxes.texts = {{7, " "}, {5, "\r\n"}, {1, "1=2 "}, {10, "old result"}};
  RunPipeline(boxes, "start", kSteps, kOutput);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"7: ", "5:\r\n", "1:1=2 "}));
  EXPECT_EQ(boxes.texts[10], "start+7+5+1");
  EXPECT_EQ(boxes.reads, (std::vector<int>{7, 3, 5, 1, 10}));
  EXPECT_EQ(boxes.writes, (std::vector<int>{10, 11}));
}

TEST(RunPipelineTest, WithNoFilledBoxTheStartListIsTheResult) {
  Calls().clear();
  MapBoxes boxes;
  RunPipeline(boxes, "000 001 002", kSteps, kOutput);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(boxes.texts[10], "000 001 002");
  EXPECT_EQ(boxes.texts[11], "计3注");
}

// A box that shows its text differently from what was written (a window may
// turn line breaks into its own): the count is of what it shows.
class ReshapingBoxes : public MapBoxes {
 public:
  std::string Text(int box) const override {
    std::string text = MapBoxes::Text(box);
    if (box == kOutput.result_box) text += " 999";
    return text;
  }
};

TEST(RunPipelineTest, CountsTheResultBoxAsReadBack) {
  ReshapingBoxes boxes;
  RunPipeline(boxes, "000 001", kSteps, kOutput);
  EXPECT_EQ(boxes.texts[10], "000 001");
  EXPECT_EQ(boxes.texts[11], "计3注");
}

}  // namespace
}  // namespace shrink
