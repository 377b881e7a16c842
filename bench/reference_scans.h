// Two yardsticks for the typed-list readers, kept apart from the engine and
// used only by the benchmarks:
// - the baseline: KeepListedThree written the plain way its reading rule
//   reads (normalise both texts into new strings, split them into pieces, and
//   compare each member with the entries in order until one is equal). It
//   costs members x entries; the engine's speed is judged against it, and it
//   doubles as a check that the engine gives the same text.
// - the floor: a loop that only finds the separators of a typed text with
//   memchr. Any reader of the text must at least do that much.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace shrink::bench {

// The members of `list` equal to an entry of `typed`, by the member-by-member scan.
[[nodiscard]] std::string KeepListedThreeBaseline(std::string_view list, std::string_view typed);

// The number of separators (" ", ",", "\t" and "\r\n") in `typed`, one memchr
// sweep per separator.
[[nodiscard]] std::size_t CountSeparatorsWithMemchr(std::string_view typed);

}  // namespace shrink::bench
