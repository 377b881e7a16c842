// The seam between a run and a window: the runs read and write edit boxes by
// their number (编辑框N), so the same code serves the window and the tests.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace shrink {

class Boxes {
 public:
  virtual ~Boxes() = default;
  // The box's text as it shows it; a line break of a multi-line box reads "\r\n".
  virtual std::string Text(int box) const = 0;
  virtual void SetText(int box, std::string_view text) = 0;
};

// Every condition has this form: the current list and the raw box text in,
// the members that pass out.
using Condition = std::string (*)(std::string_view list, std::string_view condition);

struct PipelineStep {
  int box;
  Condition apply;
};

// Where a run writes: the box that shows the final list and the box that
// shows its count.
struct RunOutput {
  int result_box;
  int count_box;
};

// Starts from `full_set`, applies every step whose box is not the empty text
// (a box of one space takes part), writes the final list to the result box
// and "计N注" of the text read back to the count box.
void RunPipeline(Boxes& boxes, std::string full_set, std::span<const PipelineStep> steps,
                 RunOutput output);

}  // namespace shrink
