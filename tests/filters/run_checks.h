// Checks both panel runs share: each box applies its own operation, the run
// reads every box once in order and starts from the full set each time, and a
// clear empties exactly its boxes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "filters/boxes.h"
#include "numbers/count_label.h"
#include "numbers/number_list.h"
#include "tests/filters/map_boxes.h"

namespace shrink::test_support {

// A panel's box, its operation as users know it, and a condition text that
// tells the operation apart from its neighbours. Each run's test keeps its own
// table, apart from the run's, so that a slip in the run's table shows.
struct DocumentedStep {
  int box;
  Condition op;
  std::string_view condition;
};

// "缩水" or "清空" of one panel.
using PanelAction = void (*)(Boxes& boxes);

// Each box filled alone: the run applies that box's operation to the full set
// of the width, and writes the result and its count to `output`.
inline void ExpectEachBoxAppliesItsOperation(std::span<const DocumentedStep> steps, PanelAction run,
                                             int width, RunOutput output) {
  const std::string full_set = MakeFullSet(width);
  for (const DocumentedStep& step : steps) {
    MapBoxes boxes;
    boxes.texts[step.box] = std::string(step.condition);
    run(boxes);
    const std::string expected = step.op(full_set, step.condition);
    EXPECT_EQ(boxes.texts[output.result_box], expected) << "box " << step.box;
    EXPECT_EQ(boxes.texts[output.count_box], CountLabel(expected)) << "box " << step.box;
  }
}

// Every box filled with `filler`: the run reads each once in the order of
// `steps`, then the result box back, and writes the result, then the count.
inline void ExpectReadsEachBoxOnceInOrder(std::span<const DocumentedStep> steps, PanelAction run,
                                          std::string_view filler, RunOutput output) {
  MapBoxes boxes;
  for (const DocumentedStep& step : steps) boxes.texts[step.box] = std::string(filler);
  run(boxes);
  std::vector<int> expected;
  for (const DocumentedStep& step : steps) expected.push_back(step.box);
  expected.push_back(output.result_box);
  EXPECT_EQ(boxes.reads, expected);
  EXPECT_EQ(boxes.writes, (std::vector<int>{output.result_box, output.count_box}));
}

// Two runs on `texts`, whose result and count boxes still show an earlier
// result: neither starts from that result, so both give the same list,
// counted `count`.
inline void ExpectEachRunStartsFromTheFullSet(PanelAction run, std::map<int, std::string> texts,
                                              RunOutput output, std::string_view count) {
  MapBoxes boxes;
  boxes.texts = std::move(texts);
  run(boxes);
  const std::string first = boxes.texts[output.result_box];
  run(boxes);
  EXPECT_EQ(boxes.texts[output.result_box], first);
  EXPECT_EQ(boxes.texts[output.count_box], count);
}

// Every box of both panels, each with its own text.
inline MapBoxes FilledPanels() {
  MapBoxes boxes;
  for (int box = 1; box <= 47; ++box) boxes.texts[box] = "text " + std::to_string(box);
  return boxes;
}

// On filled panels, `clear` empties the boxes `cleared`, in that order, and
// leaves every other box of both panels as it was.
inline void ExpectClearsExactly(PanelAction clear, std::span<const int> cleared) {
  MapBoxes boxes = FilledPanels();
  clear(boxes);
  EXPECT_EQ(boxes.writes, std::vector<int>(cleared.begin(), cleared.end()));
  const MapBoxes untouched = FilledPanels();
  for (int box = 1; box <= 47; ++box) {
    const bool emptied = std::find(cleared.begin(), cleared.end(), box) != cleared.end();
    EXPECT_EQ(boxes.texts[box], emptied ? "" : untouched.texts.at(box)) << "box " << box;
  }
}

// On filled panels, `clear` leaves the boxes `first` to `last` as they were.
inline void ExpectLeavesBoxes(PanelAction clear, int first, int last) {
  MapBoxes boxes = FilledPanels();
  clear(boxes);
  const MapBoxes untouched = FilledPanels();
  for (int box = first; box <= last; ++box) {
    EXPECT_EQ(boxes.texts[box], untouched.texts.at(box)) << "box " << box;
  }
}

}  // namespace shrink::test_support
