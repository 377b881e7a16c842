#include "filters/three/last_three_run.h"

#include "numbers/number_list.h"

namespace shrink {

void ShrinkLastThree(Boxes& boxes) {
  RunPipeline(boxes, MakeFullSet(3), kLastThreePipeline, kLastThreeOutput);
}

void ClearLastThree(Boxes& boxes) {
  for (const int box : kLastThreeClearedBoxes) boxes.SetText(box, "");
}

}  // namespace shrink
