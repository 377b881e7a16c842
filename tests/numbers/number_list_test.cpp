// The text form of a number set: the full sets, zero padding and counting.
#include "numbers/number_list.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace shrink {
namespace {

TEST(MakeFullSetTest, HoldsEveryNumberOfTheWidthOnceAscending) {
  struct Case {
    const char* name;
    int width;
    std::size_t members;
    std::size_t chars;
  };
  constexpr Case kCases[] = {
      {"width 3", 3, 1000, 3999},
      {"width 2", 2, 100, 299},
  };
  for (const Case& c : kCases) {
    const std::string set = MakeFullSet(c.width);
    ASSERT_EQ(set.size(), c.chars) << c.name;
    // Members sit at fixed offsets, one space apart, with no space at either end.
    for (std::size_t i = 0; i < c.members; ++i) {
      const std::size_t at = i * (c.width + 1);
      EXPECT_EQ(std::stoi(set.substr(at, c.width)), static_cast<int>(i)) << c.name << " member " << i;
      if (i + 1 < c.members) {
        EXPECT_EQ(set[at + c.width], ' ') << c.name << " member " << i;
      }
    }
  }
  EXPECT_TRUE(MakeFullSet(3).starts_with("000 001 002 "));
  EXPECT_TRUE(MakeFullSet(2).ends_with(" 98 99"));
}

TEST(PadZerosTest, PadsToTheWidthInBytesAndNeverCuts) {
  struct Case {
    const char* name;
    std::string_view text;
    int width;
    std::string_view padded;
  };
  constexpr Case kCases[] = {
      {"short number", "7", 3, "007"},
      {"two digits to three", "12", 3, "012"},
      {"exact width", "12", 2, "12"},
      {"longer text kept whole", "1234", 3, "1234"},
      {"empty text", "", 2, "00"},
      {"zero width", "5", 0, "5"},
      {"negative width", "5", -1, "5"},
      {"width counts bytes", "\xE3\x80\x80", 4, "0\xE3\x80\x80"},
  };
  for (const Case& c : kCases) EXPECT_EQ(PadZeros(c.text, c.width), c.padded) << c.name;
}

TEST(CountNumbersTest, CountsPiecesAfterCommasLineBreaksAndTabsReadAsSpaces) {
  struct Case {
    const char* name;
    std::string_view text;
    std::string_view count;
  };
  constexpr Case kCases[] = {
      {"empty text", "", "0"},
      {"two members", "000 001", "2"},
      {"double space makes an empty piece", "000  001", "3"},
      {"trailing space adds nothing", "000 001 ", "2"},
      {"one space", " ", "1"},
      {"leading space makes an empty piece", " 000", "2"},
      {"comma", "1,2", "2"},
      {"comma then space", "1, 2", "3"},
      {"line break", "1\r\n2", "2"},
      {"lone line feed stays inside", "1\n2", "1"},
      {"lone carriage return stays inside", "1\r2", "1"},
      {"carriage return before a line break", "1\r\r\n2", "2"},
      {"tab", "1\t2", "2"},
      {"only a line break", "\r\n", "1"},
      {"every separator once", ",\t\r\n ", "4"},
      {"full-width space is no separator", "1\xE3\x80\x80" "2", "1"},
      {"typed base", "123,456\r\n789\t012 345", "5"},
  };
  for (const Case& c : kCases) EXPECT_EQ(CountNumbers(c.text), c.count) << c.name;

  EXPECT_EQ(CountNumbers(MakeFullSet(3)), "1000");
  EXPECT_EQ(CountNumbers(MakeFullSet(3) + " "), "1000");
  EXPECT_EQ(CountNumbers(MakeFullSet(2)), "100");
}

}  // namespace
}  // namespace shrink
