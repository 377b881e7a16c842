// The split rule every list reader shares: each piece that ends at a separator
// counts, even when empty; the rest after the last separator counts only when
// it is not empty. So "000 " is one piece, "000  001" three, "" none.
#pragma once

#include <array>
#include <cstring>
#include <string_view>

namespace shrink {

enum class Separators {
  // A built list (NumberList): members are cut at ASCII spaces only.
  kSpaces,
  // A typed or pasted list: spaces, commas, tabs and "\r\n" each cut once. A
  // lone "\r" or "\n" stays inside its piece.
  kTyped,
};

namespace internal {

inline constexpr std::array<bool, 256> kTypedSeparatorStart = [] {
  std::array<bool, 256> table{};
  table[static_cast<unsigned char>(' ')] = true;
  table[static_cast<unsigned char>(',')] = true;
  table[static_cast<unsigned char>('\t')] = true;
  table[static_cast<unsigned char>('\r')] = true;  // a separator only before "\n"
  return table;
}();

}  // namespace internal

// Calls fn(piece) for each piece of `text`, in order. Pieces view `text`: no
// separator ever lies inside one, so no copy is needed.
template <Separators kSeparators, class Fn>
void ForEachPiece(std::string_view text, Fn&& fn) {
  const char* start = text.data();
  const char* const end = text.data() + text.size();
  if constexpr (kSeparators == Separators::kSpaces) {
    while (start != end) {
      const auto* space = static_cast<const char*>(std::memchr(start, ' ', end - start));
      if (space == nullptr) break;
      fn(std::string_view(start, space - start));
      start = space + 1;
    }
  } else {
    const char* p = start;
    while (p != end) {
      if (!internal::kTypedSeparatorStart[static_cast<unsigned char>(*p)]) {
        ++p;
        continue;
      }
      int width = 1;
      if (*p == '\r') {
        if (p + 1 == end || p[1] != '\n') {
          ++p;
          continue;
        }
        width = 2;
      }
      fn(std::string_view(start, p - start));
      p += width;
      start = p;
    }
  }
  if (start != end) fn(std::string_view(start, end - start));
}

}  // namespace shrink
