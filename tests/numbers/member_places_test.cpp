// The places of a member are its first, second and last bytes. Built lists
// only hold full-width members; typed lists and pasted texts may not, and a
// missing place must match no digit and count 0.
#include "numbers/member_places.h"

#include <gtest/gtest.h>

#include <string_view>

namespace shrink {
namespace {

TEST(MemberPlacesTest, ReadsFirstSecondAndLastBytes) {
  struct Case {
    const char* name;
    std::string_view member;
    char first;
    char second;
    char last;
    int sum_tail;
    std::string_view last_two;
  };
  constexpr Case kCases[] = {
      {"three digits", "789", '7', '8', '9', 4, "89"},
      {"sum of 27", "999", '9', '9', '9', 7, "99"},
      {"two digits", "12", '1', '2', '2', 5, "12"},
      {"one digit is first and last", "7", '7', '\0', '7', 4, "7"},
      {"empty member", "", '\0', '\0', '\0', 0, ""},
      {"four digits skip the third", "1234", '1', '2', '4', 7, "34"},
      {"a letter counts 0", "9a9", '9', 'a', '9', 8, "a9"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(FirstOf(c.member), c.first) << c.name;
    EXPECT_EQ(SecondOf(c.member), c.second) << c.name;
    EXPECT_EQ(LastOf(c.member), c.last) << c.name;
    EXPECT_EQ(SumTailOf(c.member), c.sum_tail) << c.name;
    EXPECT_EQ(LastTwoOf(c.member), c.last_two) << c.name;
  }
}

TEST(MemberPlacesTest, OnlyDigitsHaveAValue) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_EQ(DigitValue(c), c - '0');
  for (const char c : {'\0', ' ', 'a', '/', ':', '\xE3'}) EXPECT_EQ(DigitValue(c), 0) << static_cast<int>(c);
}

}  // namespace
}  // namespace shrink
