// The entries of a typed list (a base pasted into a list box), for exact-text
// lookups in time linear in the text: a base of a million entries is read
// once, not once per member.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "numbers/list_builder.h"
#include "numbers/pieces.h"

namespace shrink {

class TypedEntries {
 public:
  // `width` (2 or 3) is the width of the numbers the caller looks up: entries
  // of exactly that many digits go into a table of the 10^width numbers.
  TypedEntries(std::string_view typed, int width);

  // Whether some entry equals `key` byte for byte ("7" never equals "007").
  [[nodiscard]] bool Contains(std::string_view key) const;

 private:
  [[nodiscard]] std::optional<int> NumberOf(std::string_view text) const;

  std::string_view typed_;
  int width_;
  std::array<bool, 1000> numbers_{};
  // Every other entry (empty, short, long, not digits). Only keys that are no
  // number of the width need it, which built lists never hold, so it is made
  // on the first such key.
  mutable std::optional<std::unordered_set<std::string_view>> others_;
};

// The test of the direct list conditions: the member itself is an entry.
[[nodiscard]] inline bool IsListed(std::string_view member, const TypedEntries& entries) {
  return entries.Contains(member);
}

// The members of `list` for which `matches(member, entries)` holds, or does
// not, as a list without trailing spaces. The list is cut like the typed text.
template <class Matches>
[[nodiscard]] std::string FilterByTypedEntries(std::string_view list, std::string_view typed,
                                               int width, Take take, Matches&& matches) {
  const TypedEntries entries(typed, width);
  return FilterMembers<Separators::kTyped>(
      list, take, [&](std::string_view member) { return matches(member, entries); });
}

}  // namespace shrink
