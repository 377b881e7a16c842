#include "tools/intersections.h"

#include "filters/three/base_list_conditions.h"
#include "filters/two/two_list_conditions.h"
#include "numbers/number_list.h"

namespace shrink {

std::string IntersectBases(std::span<const std::string_view> bases, int width) {
  const auto keep_listed = width == 3 ? KeepListedThree : KeepListedTwo;
  std::string list = MakeFullSet(width);
  for (const std::string_view base : bases) {
    if (!base.empty()) list = keep_listed(list, base);
  }
  return list;
}

std::string IntersectThreeWithTwo(std::string_view three_base, std::string_view two_base) {
  std::string list = MakeFullSet(3);
  if (!three_base.empty()) list = KeepListedThree(list, three_base);
  if (!two_base.empty()) list = KeepListedPairs(list, two_base);
  return list;
}

}  // namespace shrink
