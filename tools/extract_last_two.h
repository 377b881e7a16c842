// "提取后三后两位号码": the distinct last two digits of a pasted base.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

struct Extraction {
  // The input with every "," and every "\r\n" turned into one space; tabs stay.
  std::string rewritten_input;
  // The distinct two-digit tails of the pieces, ascending: "23 45 56 89".
  std::string result;
  // The input was empty: the window asks for a base ("请输入后三大底") and
  // shows an empty result.
  bool input_missing = false;
};

// Cuts the rewritten input at spaces; each piece gives its last two bytes
// (the whole piece when shorter). Any number of pieces is fine.
[[nodiscard]] Extraction ExtractLastTwo(std::string_view input);

}  // namespace shrink
