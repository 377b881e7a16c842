// Bold groups ("123456=123") and sum-span combinations (保留合跨组合).
#include "filters/three/bold_group_conditions.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "numbers/number_list.h"
#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::Members;

TEST(KeepBoldGroupTest, FullSetResultsEndWithOneSpace) {
  struct Case {
    const char* name;
    std::string_view group;
    std::size_t count;
    std::string_view starts;
    std::string_view ends;
  };
  constexpr Case kCases[] = {
      {"at least one digit of 1-6", "123456=123", 936, "001 002", "996 "},
      {"only 0, 7, 8 and 9", "123456=0", 64, "000 007 008 009 070 077 ", "998 999 "},
      {"exactly one of 1 and 2", "12=1", 384, "001 002 010", "992 "},
      {"exactly two 1s", "1=2", 27, "011 101 110 112 113 ", "911 "},
      {"a repeated entry counts twice", "11=2", 243, "001 010 012", "991 "},
      {"exactly one 5", "5=1", 243, "005 015", "995 "},
      {"only 000", "0=3", 1, "000 ", "000 "},
      {"a comma accepts 0", "123=1,2", 973, "000 001", "999 "},
      {"a space accepts 0", "123=1 2", 973, "000 001", "999 "},
      {"a third piece is ignored", "123=12=3", 630, "001 002 003 010", "993 "},
      {"a trailing space accepts 0", "123456=123 ", 1000, "000 001", "998 999 "},
      {"empty group: every hit count is 0", "=0", 1000, "000 001", "998 999 "},
      {"empty group never hits", "=12", 0, "", ""},
      {"empty count part", "123==4", 0, "", ""},
      {"no count part", "123", 0, "", ""},
      {"nothing after the first =", "123=", 0, "", ""},
      {"only =", "=", 0, "", ""},
      {"one space", " ", 0, "", ""},
  };
  const std::string full_set = MakeFullSet(3);
  for (const Case& c : kCases) {
    const std::string result = KeepBoldGroup(full_set, c.group);
    EXPECT_EQ(Members(result).size(), c.count) << c.name;
    EXPECT_TRUE(result.starts_with(c.starts)) << c.name << ": " << result.substr(0, 60);
    EXPECT_TRUE(result.ends_with(c.ends)) << c.name;
    EXPECT_FALSE(result.ends_with("  ")) << c.name;
  }
}

TEST(KeepBoldGroupTest, OtherLists) {
  struct Case {
    const char* name;
    std::string_view list;
    std::string_view group;
    std::string_view result;
  };
  constexpr Case kCases[] = {
      {"empty list", "", "123=1", ""},
      {"empty list without count part", "", "123", ""},
      {"an earlier group's trailing space", "000 001 ", "=0", "000 001 "},
      {"typed separators in the list", "001,002\t003\r\n004", "3=0", "001 002 004 "},
      {"four hits from one digit", "100 110", "1111=4", "100 "},
      {"only the first three bytes hit", "1111", "1=3", "1111 "},
      {"a fourth byte adds no hit", "1111", "1=4", ""},
      {"ten hits match no count", "111", "1111111111=0123456789", ""},
      {"a letter in the group never hits", "1ab 2ab", "a=1", ""},
      {"a letter in the group counts no hit", "1ab", "1a=1", "1ab "},
  };
  for (const Case& c : kCases) EXPECT_EQ(KeepBoldGroup(c.list, c.group), c.result) << c.name;
}

TEST(KeepSumSpanComboTest, CodesNameASumTailAndASpan) {
  struct Case {
    const char* name;
    std::string_view list;
    std::string_view codes;
    std::string_view result;
  };
  const std::string full_set = MakeFullSet(3);
  const Case kCases[] = {
      {"00", full_set, "00", "000"},
      {"11", full_set, "11", "001 010 100 344 434 443"},
      {"99", full_set, "99", "009 090 900"},
      {"90", full_set, "90", "333"},
      {"09", full_set, "09", "019 091 109 190 901 910"},
      {"list order, not code order", full_set, "11,00", "000 001 010 100 344 434 443"},
      {"repeated codes", full_set, "11 11\t11", "001 010 100 344 434 443"},
      {"line break and tab", full_set, "11\r\n00\t99", "000 001 009 010 090 100 344 434 443 900"},
      {"a code split by a space", full_set, "1 1", ""},
      {"one character", full_set, "5", ""},
      {"three characters", full_set, "305", ""},
      {"only separators", full_set, " ,\r\n", ""},
      {"lone line feed joins codes", full_set, "11\n00", ""},
      {"empty list", "", "00 11", ""},
      {"a bold group's trailing space", "000 001 ", "00", "000"},
      {"typed separators in the list", "000,001\t100\r\n344", "11", "001 100 344"},
  };
  for (const Case& c : kCases) EXPECT_EQ(KeepSumSpanCombo(c.list, c.codes), c.result) << c.name;
}

// Every member has exactly one of the 100 keys, and every key occurs.
TEST(KeepSumSpanComboTest, EveryKeyOccursAndTheKeysSplitTheFullSet) {
  const std::string full_set = MakeFullSet(3);
  std::size_t total = 0;
  for (int code = 0; code < 100; ++code) {
    const std::size_t kept = Members(KeepSumSpanCombo(full_set, PadZeros(std::to_string(code), 2))).size();
    EXPECT_GT(kept, 0u) << code;
    total += kept;
  }
  EXPECT_EQ(total, 1000u);
}

}  // namespace
}  // namespace shrink
