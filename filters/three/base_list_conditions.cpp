#include "filters/three/base_list_conditions.h"

#include "numbers/member_places.h"
#include "numbers/typed_entries.h"

namespace shrink {
namespace {

bool HasListedLastTwo(std::string_view member, const TypedEntries& entries) {
  return entries.Contains(LastTwoOf(member));
}

}  // namespace

std::string KeepListedThree(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 3, Take::kMatching, IsListed);
}
std::string DropListedThree(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 3, Take::kNotMatching, IsListed);
}

std::string KeepListedPairs(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kMatching, HasListedLastTwo);
}
std::string DropListedPairs(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kNotMatching, HasListedLastTwo);
}

}  // namespace shrink
