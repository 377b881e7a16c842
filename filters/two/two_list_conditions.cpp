#include "filters/two/two_list_conditions.h"

#include <string>

#include "numbers/member_places.h"
#include "numbers/typed_entries.h"

namespace shrink {
namespace {

// A typed 12 stands for 21 too: the member matches through its reversal, its
// last character followed by its first.
bool IsListedEitherOrder(std::string_view member, const TypedEntries& entries) {
  if (entries.Contains(member)) return true;
  const char reversal[] = {LastOf(member), FirstOf(member)};
  return entries.Contains(std::string_view(reversal, member.empty() ? 0 : 2));
}

}  // namespace

std::string KeepListedTwo(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kMatching, IsListed);
}
std::string DropListedTwo(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kNotMatching, IsListed);
}

std::string KeepGroupTwo(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kMatching, IsListedEitherOrder);
}
std::string DropGroupTwo(std::string_view list, std::string_view typed) {
  return FilterByTypedEntries(list, typed, 2, Take::kNotMatching, IsListedEitherOrder);
}

}  // namespace shrink
