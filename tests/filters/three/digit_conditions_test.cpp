// "定胆码" to "杀个位": digits listed anywhere in the condition text, tested at
// the member's last, second and first places.
#include "filters/three/digit_conditions.h"

#include <gtest/gtest.h>

#include <bitset>
#include <cstddef>
#include <string>

#include "numbers/number_list.h"
#include "tests/filters/list_checks.h"

namespace shrink {
namespace {

using test_support::FullSetCase;
using test_support::ListCase;
using test_support::Members;
using test_support::Twins;

TEST(DigitConditionsTest, FullSetResults) {
  constexpr FullSetCase kCases[] = {
      {"bold 1", KeepBoldDigit, "1", 271, "001 010 011 012 013", "981 991"},
      {"drop bold 1", DropBoldDigit, "1", 729, "000 002 003", "998 999"},
      {"bold 0 holds 000 and 100", KeepBoldDigit, "0", 271, "000 001 002", "980 990"},
      {"bold two digits", KeepBoldDigit, "12", 488, "001 002 010", "992"},
      {"bold three digits", KeepBoldDigit, "123", 657, "001 002 003 010", "993"},
      {"bold every digit", KeepBoldDigit, "0123456789", 1000, "000 001", "998 999"},
      {"hundreds 12", KeepHundredsDigit, "12", 200, "100 101", "298 299"},
      {"hundreds order does not matter", KeepHundredsDigit, "21", 200, "100 101", "298 299"},
      {"hundreds repeat counts once", KeepHundredsDigit, "11", 100, "100 101", "198 199"},
      {"hundreds digits apart", KeepHundredsDigit, "1 2", 200, "100 101", "298 299"},
      {"drop hundreds", DropHundredsDigit, "1", 900, "000 001", "998 999"},
      {"tens 1", KeepTensDigit, "1", 100, "010 011 012", "918 919"},
      {"drop tens every digit", DropTensDigit, "0123456789", 0, "", ""},
      {"tens minus lists nothing", KeepTensDigit, "-", 0, "", ""},
      {"drop tens minus keeps all", DropTensDigit, "-", 1000, "000 001", "999"},
      {"ones 5", KeepOnesDigit, "5", 100, "005 015 025", "985 995"},
      {"drop ones 5", DropOnesDigit, "5", 900, "000 001 002 003 004 006", "999"},
      {"one space lists nothing", KeepBoldDigit, " ", 0, "", ""},
      {"drop with one space keeps all", DropBoldDigit, " ", 1000, "000", "999"},
      {"full-width space lists nothing", KeepOnesDigit, "\xE3\x80\x80", 0, "", ""},
      {"letters list nothing", KeepHundredsDigit, "abc", 0, "", ""},
  };
  test_support::ExpectFullSetResults(kCases, 3);
}

TEST(DigitConditionsTest, OnesDigitServesTwoDigitLists) {
  constexpr FullSetCase kCases[] = {
      {"ones 5", KeepOnesDigit, "5", 10, "05 15 25 35 45 55 65 75 85 95", "95"},
      {"drop ones 05", DropOnesDigit, "05", 80, "01 02 03 04 06", "98 99"},
  };
  test_support::ExpectFullSetResults(kCases, 2);
}

// Every set of listed digits keeps 100 numbers per digit at one place and
// 1000 - (10 - k)^3 numbers by any place.
TEST(DigitConditionsTest, CountsForEverySetOfListedDigits) {
  const std::string full_set = MakeFullSet(3);
  for (unsigned mask = 0; mask < 1024; ++mask) {
    std::string condition;
    for (int digit = 9; digit >= 0; --digit) {
      if (mask & (1u << digit)) condition += std::to_string(digit) + "-";
    }
    const std::size_t k = std::bitset<10>(mask).count();
    const std::size_t unlisted = 10 - k;
    EXPECT_EQ(Members(KeepBoldDigit(full_set, condition)).size(),
              1000 - unlisted * unlisted * unlisted)
        << condition;
    EXPECT_EQ(Members(KeepHundredsDigit(full_set, condition)).size(), 100 * k) << condition;
    EXPECT_EQ(Members(KeepTensDigit(full_set, condition)).size(), 100 * k) << condition;
    EXPECT_EQ(Members(KeepOnesDigit(full_set, condition)).size(), 100 * k) << condition;
  }
}

TEST(DigitConditionsTest, ListsAreCutAtSpacesOnly) {
  constexpr ListCase kCases[] = {
      {"empty list", KeepBoldDigit, "", "0123456789", ""},
      {"empty list, drop", DropOnesDigit, "", "", ""},
      {"bold group's trailing space", KeepHundredsDigit, "100 200 ", "1", "100"},
      {"bold group's trailing space, drop", DropHundredsDigit, "100 200 ", "1", "200"},
      {"a comma is inside a member", KeepOnesDigit, "123,456 789", "6", "123,456"},
      {"first place of a comma member", KeepHundredsDigit, "123,456", "4", ""},
      {"short members: last place", KeepOnesDigit, "5 35 456", "5", "5 35"},
      {"short members: second place", KeepTensDigit, "5 35 456", "5", "35 456"},
      {"a missing place is no digit", DropTensDigit, "5 35", "0123456789", "5"},
      {"the trailing full-width space is trimmed", KeepHundredsDigit, "100 1\xE3\x80\x80", "1",
       "100 1"},
      {"empty members are never listed", DropBoldDigit, "100  200", "1", " 200"},
  };
  test_support::ExpectListResults(kCases);
}

TEST(DigitConditionsTest, DropIsTheComplementOfKeep) {
  constexpr Twins kTwins[] = {
      {"bold", KeepBoldDigit, DropBoldDigit, 3},
      {"hundreds", KeepHundredsDigit, DropHundredsDigit, 3},
      {"tens", KeepTensDigit, DropTensDigit, 3},
      {"ones", KeepOnesDigit, DropOnesDigit, 3},
      {"ones of two-digit lists", KeepOnesDigit, DropOnesDigit, 2},
  };
  test_support::ExpectTwinsSplitRandomLists(kTwins, test_support::RandomConditionText, 20261211);
}

}  // namespace
}  // namespace shrink
