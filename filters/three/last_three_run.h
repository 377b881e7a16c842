// The last-three run: "缩水" and "清空" of the panel 后三缩水条件栏.
#pragma once

#include <array>

#include "filters/boxes.h"
#include "filters/three/base_list_conditions.h"
#include "filters/three/bold_group_conditions.h"
#include "filters/three/digit_conditions.h"
#include "filters/three/pair_conditions.h"
#include "filters/three/sum_span_conditions.h"

namespace shrink {

// The condition boxes in the order the run applies them. Boxes 15 and 16 sit
// in the left column on screen, so "保留合差" (16) comes before "杀两码差" (17).
inline constexpr std::array<PipelineStep, 29> kLastThreePipeline{{
    {1, KeepBoldDigit},      {2, DropBoldDigit},      {3, KeepHundredsDigit},
    {4, DropHundredsDigit},  {5, KeepTensDigit},      {6, DropTensDigit},
    {7, KeepOnesDigit},      {8, DropOnesDigit},      {9, KeepSumTail},
    {10, DropSumTail},       {11, KeepSpan},          {12, DropSpan},
    {13, KeepPairSum},       {14, DropPairSum},       {15, KeepPairDiff},
    {16, KeepPairSumOrDiff}, {17, DropPairDiff},      {18, DropPairSumOrDiff},
    {35, KeepBoldGroup},     {36, KeepBoldGroup},     {37, KeepBoldGroup},
    {38, KeepBoldGroup},     {39, KeepBoldGroup},     {40, KeepBoldGroup},
    {41, KeepSumSpanCombo},  {42, KeepListedThree},   {43, DropListedThree},
    {44, KeepListedPairs},   {45, DropListedPairs},
}};

inline constexpr RunOutput kLastThreeOutput{46, 47};

// The boxes "清空" empties, in order. The sum-span codes (41) stay for the next
// run and the count (47) keeps showing the last result's count.
inline constexpr std::array<int, 29> kLastThreeClearedBoxes{
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
    16, 17, 18, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46};

// Applies every filled condition box to 000-999; writes boxes 46 and 47.
void ShrinkLastThree(Boxes& boxes);
// Empties kLastThreeClearedBoxes.
void ClearLastThree(Boxes& boxes);

}  // namespace shrink
