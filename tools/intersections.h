// The intersections of the tool windows: typed bases (大底) reduced to the
// numbers of the full set that every filled base lists, ascending and once each.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace shrink {

// MakeFullSet(width) narrowed by each non-empty base in turn (width 3: typed
// last-three numbers; width 2: typed last-two numbers). A base of one space
// takes part and matches nothing.
[[nodiscard]] std::string IntersectBases(std::span<const std::string_view> bases, int width);

// "后三后二交集": the last-three numbers listed in `three_base` (any when it is
// empty) whose last two digits are listed in `two_base` (any when it is empty).
[[nodiscard]] std::string IntersectThreeWithTwo(std::string_view three_base,
                                                std::string_view two_base);

}  // namespace shrink
