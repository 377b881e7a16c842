#include "filters/boxes.h"

#include <utility>

#include "numbers/count_label.h"

namespace shrink {

void RunPipeline(Boxes& boxes, std::string full_set, std::span<const PipelineStep> steps,
                 RunOutput output) {
  std::string list = std::move(full_set);
  for (const PipelineStep& step : steps) {
    // Only the empty text skips a step: a box of one space or one line break
    // takes part, as the user left it.
    const std::string condition = boxes.Text(step.box);
    if (!condition.empty()) list = step.apply(list, condition);
  }
  boxes.SetText(output.result_box, list);
  // The count is of what the result box shows, read back.
  boxes.SetText(output.count_box, CountLabel(boxes.Text(output.result_box)));
}

}  // namespace shrink
