// Reading a condition text as listed digits: every digit character anywhere
// in the text is listed, whatever stands around it.
#include "numbers/listed_digits.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace shrink {
namespace {

std::string Listed(const ListedDigits& digits) {
  std::string listed;
  for (char c = '0'; c <= '9'; ++c) {
    if (digits.Has(c)) listed += c;
  }
  return listed;
}

TEST(ListedDigitsTest, ListsExactlyTheDigitCharactersOfTheText) {
  struct Case {
    const char* name;
    std::string_view condition;
    std::string_view listed;
  };
  constexpr Case kCases[] = {
      {"empty text", "", ""},
      {"one space", " ", ""},
      {"full-width space", "\xE3\x80\x80", ""},
      {"digits together", "12", "12"},
      {"digits apart", "1 2", "12"},
      {"order and repeats do not matter", "21,1", "12"},
      {"minus signs", "-1-2", "12"},
      {"a range is two digits", "0-5", "05"},
      {"ten is one and zero", "10", "01"},
      {"every digit", "9876543210", "0123456789"},
      {"letters", "abc", ""},
      {"full-width space between digits", "1\xE3\x80\x80" "2", "12"},
      {"tab and line break", "\t3\r\n", "3"},
      {"Chinese characters", "胆码", ""},
      {"full-width digit", "\xEF\xBC\x95", ""},
  };
  for (const Case& c : kCases) {
    const ListedDigits digits(c.condition);
    EXPECT_EQ(Listed(digits), c.listed) << c.name;
    for (int value = 0; value <= 9; ++value) {
      EXPECT_EQ(digits.HasValue(value), digits.Has(static_cast<char>('0' + value)))
          << c.name << " value " << value;
    }
  }
}

TEST(ListedDigitsTest, NothingButADigitEverMatches) {
  const ListedDigits all("0123456789");
  for (const char c : {'\0', ' ', '-', 'a', '/', ':', '\x80', '\xE3'}) {
    EXPECT_FALSE(all.Has(c)) << static_cast<int>(c);
  }
  EXPECT_FALSE(all.HasValue(-1));
  EXPECT_FALSE(all.HasValue(10));
}

}  // namespace
}  // namespace shrink
