// Both runs and both clears through boxes held in a map. Each text of the
// input fills one box: "N:text" puts `text` into 编辑框N; other texts are
// left out. A box may be named again; the last text wins.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "filters/boxes.h"
#include "filters/three/last_three_run.h"
#include "filters/two/last_two_run.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"

namespace {

using namespace shrink;
using fuzz::Fail;
using fuzz::Shown;

class MapBoxes final : public Boxes {
 public:
  std::string Text(int box) const override {
    const auto found = texts_.find(box);
    return found == texts_.end() ? std::string() : found->second;
  }
  void SetText(int box, std::string_view text) override { texts_[box] = std::string(text); }

  // The boxes that hold a text; a box never written reads as the empty text.
  [[nodiscard]] std::map<int, std::string> NonEmpty() const {
    std::map<int, std::string> filled;
    for (const auto& [box, text] : texts_) {
      if (!text.empty()) filled.emplace(box, text);
    }
    return filled;
  }

 private:
  std::map<int, std::string> texts_;
};

MapBoxes BoxesOf(const std::uint8_t* data, std::size_t size) {
  MapBoxes boxes;
  for (const std::string_view record : fuzz::TextsOf(data, size)) {
    const std::size_t colon = record.find(':');
    if (colon == std::string_view::npos) continue;
    int box = 0;
    const auto [end, error] = std::from_chars(record.data(), record.data() + colon, box);
    if (error != std::errc() || end != record.data() + colon || box < 1 || box > 47) continue;
    boxes.SetText(box, record.substr(colon + 1));
  }
  return boxes;
}

struct ReferenceStep {
  int box;
  reference::Operation apply;
};

// The two pipelines as the panels list them, with the plain operations.
constexpr ReferenceStep kLastThreeSteps[] = {
    {1, reference::KeepBoldDigit},     {2, reference::DropBoldDigit},
    {3, reference::KeepHundredsDigit}, {4, reference::DropHundredsDigit},
    {5, reference::KeepTensDigit},     {6, reference::DropTensDigit},
    {7, reference::KeepOnesDigit},     {8, reference::DropOnesDigit},
    {9, reference::KeepSumTail},       {10, reference::DropSumTail},
    {11, reference::KeepSpan},         {12, reference::DropSpan},
    {13, reference::KeepPairSum},      {14, reference::DropPairSum},
    {15, reference::KeepPairDiff},     {16, reference::KeepPairSumOrDiff},
    {17, reference::DropPairDiff},     {18, reference::DropPairSumOrDiff},
    {35, reference::KeepBoldGroup},    {36, reference::KeepBoldGroup},
    {37, reference::KeepBoldGroup},    {38, reference::KeepBoldGroup},
    {39, reference::KeepBoldGroup},    {40, reference::KeepBoldGroup},
    {41, reference::KeepSumSpanCombo}, {42, reference::KeepListedThree},
    {43, reference::DropListedThree},  {44, reference::KeepListedPairs},
    {45, reference::DropListedPairs},
};

constexpr ReferenceStep kLastTwoSteps[] = {
    {19, reference::KeepBoldTwo},    {20, reference::DropBoldTwo},
    {21, reference::KeepTensTwo},    {22, reference::DropTensTwo},
    {23, reference::KeepOnesDigit},  {24, reference::DropOnesDigit},
    {25, reference::KeepSumTailTwo}, {26, reference::DropSumTailTwo},
    {27, reference::KeepSpanTwo},    {28, reference::DropSpanTwo},
    {29, reference::KeepListedTwo},  {30, reference::DropListedTwo},
    {31, reference::KeepGroupTwo},   {32, reference::DropGroupTwo},
};

struct Panel {
  std::string_view name;
  void (*shrink)(Boxes&);
  std::string_view clear_name;
  void (*clear)(Boxes&);
  std::span<const ReferenceStep> steps;
  int width;
  int result_box;
  int count_box;
  std::span<const int> cleared_boxes;
};

const Panel kPanels[] = {
    {"ShrinkLastThree", ShrinkLastThree, "ClearLastThree", ClearLastThree, kLastThreeSteps, 3, 46,
     47, kLastThreeClearedBoxes},
    {"ShrinkLastTwo", ShrinkLastTwo, "ClearLastTwo", ClearLastTwo, kLastTwoSteps, 2, 33, 34,
     kLastTwoClearedBoxes},
};

void CheckRun(const Panel& panel, const MapBoxes& before) {
  std::string expected = reference::MakeFullSet(panel.width);
  bool last_step_was_bold_group = false;
  for (const ReferenceStep& step : panel.steps) {
    const std::string condition = before.Text(step.box);
    if (condition.empty()) continue;
    expected = step.apply(expected, condition);
    last_step_was_bold_group = step.apply == reference::KeepBoldGroup;
  }
  const std::string expected_count = "计" + reference::CountNumbers(expected) + "注";

  MapBoxes boxes = before;
  panel.shrink(boxes);
  const std::string result = boxes.Text(panel.result_box);
  const std::string count = boxes.Text(panel.count_box);
  const auto shown = {Shown{"result", result}, Shown{"count", count},
                      Shown{"plain result", expected}, Shown{"plain count", expected_count}};
  if (result != expected || count != expected_count) {
    Fail(panel.name, "differs from the plain operations applied in the panel's order", shown);
  }
  fuzz::RequireNumberList(result, panel.width, panel.name, shown);
  if (count != "计" + std::to_string(fuzz::MembersOf(result).size()) + "注") {
    Fail(panel.name, "the count box does not show the number of members", shown);
  }
  const bool trailing_space = !result.empty() && last_step_was_bold_group;
  if (fuzz::StartsWithSpace(result) || result.ends_with(' ') != trailing_space ||
      result.ends_with("  ")) {
    Fail(panel.name, "only a bold group as the last step may leave one trailing space", shown);
  }
  MapBoxes untouched = boxes;
  untouched.SetText(panel.result_box, before.Text(panel.result_box));
  untouched.SetText(panel.count_box, before.Text(panel.count_box));
  if (untouched.NonEmpty() != before.NonEmpty()) {
    Fail(panel.name, "the run changed a box other than its result and count", shown);
  }
}

void CheckClear(const Panel& panel, const MapBoxes& before) {
  MapBoxes expected = before;
  for (const int box : panel.cleared_boxes) expected.SetText(box, "");
  MapBoxes boxes = before;
  panel.clear(boxes);
  if (boxes.NonEmpty() != expected.NonEmpty()) {
    Fail(panel.clear_name, "emptied other boxes than the panel's conditions and result", {});
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MapBoxes boxes = BoxesOf(data, size);
  for (const Panel& panel : kPanels) {
    CheckRun(panel, boxes);
    CheckClear(panel, boxes);
  }
  return 0;
}
