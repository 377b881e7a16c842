#include "tools/extract_last_two.h"

#include <algorithm>
#include <array>

#include "numbers/list_builder.h"
#include "numbers/member_places.h"
#include "numbers/number_list.h"
#include "numbers/pieces.h"

namespace shrink {
namespace {

// "," and "\r\n" become one space each; tabs stay, so "12\t345" is one piece.
std::string RewriteSeparators(std::string_view input) {
  std::string rewritten(input);
  std::replace(rewritten.begin(), rewritten.end(), ',', ' ');
  // Most pastes hold no "\r\n" at all; only then is the text compacted.
  std::size_t line_break = rewritten.find("\r\n");
  if (line_break == std::string::npos) return rewritten;
  std::size_t out = line_break;
  for (std::size_t in = line_break; in < rewritten.size(); ++in) {
    if (rewritten[in] == '\r' && in + 1 < rewritten.size() && rewritten[in + 1] == '\n') {
      rewritten[out++] = ' ';
      ++in;
    } else {
      rewritten[out++] = rewritten[in];
    }
  }
  rewritten.resize(out);
  return rewritten;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Extraction ExtractLastTwo(std::string_view input) {
  Extraction extraction;
  extraction.rewritten_input = RewriteSeparators(input);
  extraction.input_missing = extraction.rewritten_input.empty();
  if (extraction.input_missing) return extraction;

  // Only a tail of two digits can equal a number of 00-99: a shorter tail, or
  // one holding a tab (which the lookup reads as a separator), never does. So
  // a table of the hundred tails gives the lookup's ascending, distinct result
  // without building the tail text.
  std::array<bool, 100> seen{};
  ForEachPiece<Separators::kSpaces>(extraction.rewritten_input, [&](std::string_view piece) {
    const std::string_view tail = LastTwoOf(piece);
    if (tail.size() == 2 && IsDigit(tail[0]) && IsDigit(tail[1])) {
      seen[(tail[0] - '0') * 10 + (tail[1] - '0')] = true;
    }
  });
  ListBuilder result(300);
  for (int number = 0; number < 100; ++number) {
    if (seen[number]) result.Add(PadZeros(std::to_string(number), 2));
  }
  extraction.result = std::move(result).Finish();
  return extraction;
}

}  // namespace shrink
