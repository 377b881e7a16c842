// Properties every list operation must keep whatever the texts, checked on
// the engine's own results without the reference: keep and drop twins share
// out the list, a result only ever holds members of its list in their order,
// no result has a stray space at an end, and a NumberList counts its members.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "numbers/number_list.h"
#include "numbers/pieces.h"

namespace shrink::fuzz {

inline constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

// The pieces of a text by the given split rule, viewing the text.
template <Separators kSeparators>
std::vector<std::string_view> PiecesOf(std::string_view text) {
  std::vector<std::string_view> pieces;
  ForEachPiece<kSeparators>(text, [&](std::string_view piece) { pieces.push_back(piece); });
  return pieces;
}

// The members of a result: a result is always joined with single spaces.
inline std::vector<std::string_view> MembersOf(std::string_view result) {
  return PiecesOf<Separators::kSpaces>(result);
}

inline bool StartsWithSpace(std::string_view text) {
  return text.starts_with(' ') || text.starts_with(kFullWidthSpace);
}
inline bool EndsWithSpace(std::string_view text) {
  return text.ends_with(' ') || text.ends_with(kFullWidthSpace);
}

// Whether no member is empty or has a space at either end: then a result
// built from any of the members has no space at either end, and nothing is
// lost when its trailing spaces are removed.
inline bool HasCleanMembers(const std::vector<std::string_view>& members) {
  for (const std::string_view member : members) {
    if (member.empty() || StartsWithSpace(member) || EndsWithSpace(member)) return false;
  }
  return true;
}

// Whether `kept` and `dropped` together hold every member once, each in the
// members' order. A member's fate depends on its text alone, so a member
// that is next in both would be a fault either way.
inline bool SharesOut(const std::vector<std::string_view>& members,
                      const std::vector<std::string_view>& kept,
                      const std::vector<std::string_view>& dropped) {
  std::size_t k = 0;
  std::size_t d = 0;
  for (const std::string_view member : members) {
    const bool in_kept = k < kept.size() && kept[k] == member;
    const bool in_dropped = d < dropped.size() && dropped[d] == member;
    if (in_kept == in_dropped) return false;
    ++(in_kept ? k : d);
  }
  return k == kept.size() && d == dropped.size();
}

// Whether `part` is `members` with some members left out.
inline bool IsSubsequence(const std::vector<std::string_view>& part,
                          const std::vector<std::string_view>& members) {
  std::size_t p = 0;
  for (const std::string_view member : members) {
    if (p < part.size() && part[p] == member) ++p;
  }
  return p == part.size();
}

// A result built from MakeFullSet(width): members of exactly `width` digits,
// ascending without repeats, and CountNumbers gives their number.
inline void RequireNumberList(std::string_view result, int width, std::string_view operation,
                              std::initializer_list<Shown> inputs) {
  const std::vector<std::string_view> members = MembersOf(result);
  std::string_view previous;
  for (const std::string_view member : members) {
    bool digits = member.size() == static_cast<std::size_t>(width);
    for (const char c : member) digits = digits && c >= '0' && c <= '9';
    if (!digits) Fail(operation, "a member is not a number of the list's width", inputs);
    if (!previous.empty() && !(previous < member)) {
      Fail(operation, "members are not ascending without repeats", inputs);
    }
    previous = member;
  }
  if (CountNumbers(result) != std::to_string(members.size())) {
    Fail(operation, "CountNumbers differs from the number of members", inputs);
  }
}

}  // namespace shrink::fuzz
