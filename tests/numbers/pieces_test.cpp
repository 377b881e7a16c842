// The split rule shared by every list reader, for built lists (spaces only)
// and for typed lists (spaces, commas, tabs and "\r\n").
#include "numbers/pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace shrink {
namespace {

// Each piece in brackets, so empty pieces show: "[000][][001]".
template <Separators kSeparators>
std::string Bracketed(std::string_view text) {
  std::string out;
  ForEachPiece<kSeparators>(text, [&out](std::string_view piece) {
    out += '[';
    out += piece;
    out += ']';
  });
  return out;
}

struct Case {
  const char* name;
  std::string_view text;
  std::string_view pieces;
};

TEST(ForEachPieceTest, BuiltListIsCutAtSpacesOnly) {
  constexpr Case kCases[] = {
      {"empty text", "", ""},
      {"one member", "000", "[000]"},
      {"trailing space adds nothing", "000 001 ", "[000][001]"},
      {"double space", "000  001", "[000][][001]"},
      {"leading space", " 000", "[][000]"},
      {"one space", " ", "[]"},
      {"two spaces", "  ", "[][]"},
      {"typed separators stay inside", "1,2\t3\r\n4", "[1,2\t3\r\n4]"},
      {"full-width space stays inside", "1\xE3\x80\x80" "2 3", "[1\xE3\x80\x80" "2][3]"},
  };
  for (const Case& c : kCases) EXPECT_EQ(Bracketed<Separators::kSpaces>(c.text), c.pieces) << c.name;
}

TEST(ForEachPieceTest, TypedListIsCutAtEachSeparatorOnce) {
  constexpr Case kCases[] = {
      {"empty text", "", ""},
      {"every separator", "1,2\t3 4\r\n5", "[1][2][3][4][5]"},
      {"comma and space make an empty piece", "123, 456", "[123][][456]"},
      {"trailing separator adds nothing", "123\r\n", "[123]"},
      {"only a line break", "\r\n", "[]"},
      {"two line breaks", "\r\n\r\n", "[][]"},
      {"only commas", ",,", "[][]"},
      {"lone line feed stays inside", "123\n456", "[123\n456]"},
      {"lone carriage return stays inside", "123\r456", "[123\r456]"},
      {"carriage return at the end", "12\r", "[12\r]"},
      {"carriage return before a line break", "1\r\r\n2", "[1\r][2]"},
      {"line feed before a carriage return", "1\n\r2", "[1\n\r2]"},
      {"full-width space and comma stay inside", "1\xE3\x80\x80" "2\xEF\xBC\x8C" "3", "[1\xE3\x80\x80" "2\xEF\xBC\x8C" "3]"},
  };
  for (const Case& c : kCases) EXPECT_EQ(Bracketed<Separators::kTyped>(c.text), c.pieces) << c.name;
}

}  // namespace
}  // namespace shrink
