#include "filters/two/last_two_run.h"

#include "numbers/number_list.h"

namespace shrink {

void ShrinkLastTwo(Boxes& boxes) {
  RunPipeline(boxes, MakeFullSet(2), kLastTwoPipeline, kLastTwoOutput);
}

void ClearLastTwo(Boxes& boxes) {
  for (const int box : kLastTwoClearedBoxes) boxes.SetText(box, "");
}

}  // namespace shrink
