// The text form of every number set: fixed-width, zero-padded members
// (000-999 or 00-99) separated by single ASCII spaces. The empty text is the
// empty list.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace shrink {

// All numbers of the given width (3 or 2) in ascending order: "000 001 ... 999".
[[nodiscard]] std::string MakeFullSet(int width);

// The text left-padded with "0" to `width` bytes; a longer text is never cut.
[[nodiscard]] std::string PadZeros(std::string_view text, int width);

// The number of pieces of a typed or built list, counted after ",", "\r\n"
// and tab read as spaces. A trailing space adds nothing; "a  b" counts 3.
[[nodiscard]] std::size_t CountPieces(std::string_view text);

// CountPieces as decimal text ("1000", "0").
[[nodiscard]] std::string CountNumbers(std::string_view text);

}  // namespace shrink
