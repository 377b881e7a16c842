// The last-two run: "缩水" and "全部清空" of the panel 后二缩水条件栏.
#pragma once

#include <array>

#include "filters/boxes.h"
#include "filters/three/digit_conditions.h"
#include "filters/two/two_digit_conditions.h"
#include "filters/two/two_list_conditions.h"

namespace shrink {

// The condition boxes in the order the run applies them; the ones-digit pair
// is the last-three run's own.
inline constexpr std::array<PipelineStep, 14> kLastTwoPipeline{{
    {19, KeepBoldTwo},    {20, DropBoldTwo},    {21, KeepTensTwo},   {22, DropTensTwo},
    {23, KeepOnesDigit},  {24, DropOnesDigit},  {25, KeepSumTailTwo}, {26, DropSumTailTwo},
    {27, KeepSpanTwo},    {28, DropSpanTwo},    {29, KeepListedTwo}, {30, DropListedTwo},
    {31, KeepGroupTwo},   {32, DropGroupTwo},
}};

inline constexpr RunOutput kLastTwoOutput{33, 34};

// The boxes "全部清空" empties, in order; the count (34) keeps the last count.
inline constexpr std::array<int, 15> kLastTwoClearedBoxes{
    19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};

// Applies every filled condition box to 00-99; writes boxes 33 and 34.
void ShrinkLastTwo(Boxes& boxes);
// Empties kLastTwoClearedBoxes.
void ClearLastTwo(Boxes& boxes);

}  // namespace shrink
