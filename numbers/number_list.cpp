#include "numbers/number_list.h"

#include "numbers/pieces.h"

namespace shrink {

std::string MakeFullSet(int width) {
  // Only widths 2 and 3 are ever asked for; the bound keeps a stray width from
  // building an enormous text.
  if (width < 1 || width > 6) return {};
  int count = 1;
  for (int i = 0; i < width; ++i) count *= 10;
  std::string list;
  list.reserve(static_cast<std::size_t>(count) * (width + 1));
  for (int i = 0; i < count; ++i) {
    if (i > 0) list.push_back(' ');
    list += PadZeros(std::to_string(i), width);
  }
  return list;
}

std::string PadZeros(std::string_view text, int width) {
  std::string padded;
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    padded.assign(static_cast<std::size_t>(width) - text.size(), '0');
  }
  padded += text;
  return padded;
}

std::size_t CountPieces(std::string_view text) {
  std::size_t count = 0;
  ForEachPiece<Separators::kTyped>(text, [&count](std::string_view) { ++count; });
  return count;
}

std::string CountNumbers(std::string_view text) { return std::to_string(CountPieces(text)); }

}  // namespace shrink
