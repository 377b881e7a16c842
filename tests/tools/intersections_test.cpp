// The intersection windows' logic: the numbers every filled base lists.
#include "tools/intersections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "numbers/number_list.h"

namespace shrink {
namespace {

TEST(IntersectBasesTest, Results) {
  struct Case {
    const char* name;
    int width;
    std::array<std::string_view, 4> bases;
    std::string_view result;
  };
  constexpr Case kCases[] = {
      {"two bases", 3, {"456 789 123", "789 012 456", "", ""}, "456 789"},
      {"repeated entry once", 3, {"123 123,123", "", "", ""}, "123"},
      {"entry without leading zero", 3, {"12", "", "", ""}, ""},
      {"a box of one space takes part", 3, {"123", " ", "", ""}, ""},
      {"a box of one line break takes part", 2, {"", "", "\r\n", ""}, ""},
      {"four bases", 3, {"001 002 003 004", "002,003\r\n004", "003\t004 005", "004 003"}, "003 004"},
      {"last-two: 5 matches nothing", 2, {"5", "", "", ""}, ""},
      {"last-two: 05 matches", 2, {"05", "", "", ""}, "05"},
      {"last-two: three bases", 2, {"05 12 99", "99 12", "12,99,07", ""}, "12 99"},
  };
  for (const Case& c : kCases) {
    // The result must not depend on which boxes hold the bases, nor their order.
    std::array<std::string_view, 4> bases = c.bases;
    std::sort(bases.begin(), bases.end());
    do {
      EXPECT_EQ(IntersectBases(bases, c.width), c.result) << c.name;
    } while (std::next_permutation(bases.begin(), bases.end()));
  }
}

TEST(IntersectBasesTest, NoFilledBaseGivesTheFullSet) {
  constexpr std::array<std::string_view, 4> kEmpty{"", "", "", ""};
  EXPECT_EQ(IntersectBases(kEmpty, 3), MakeFullSet(3));
  EXPECT_EQ(IntersectBases(kEmpty, 2), MakeFullSet(2));
  EXPECT_EQ(IntersectBases({}, 3), MakeFullSet(3));
}

TEST(IntersectThreeWithTwoTest, Results) {
  struct Case {
    const char* name;
    std::string_view three_base;
    std::string_view two_base;
    std::string_view result;
  };
  const std::string full_set = MakeFullSet(3);
  const Case kCases[] = {
      {"both empty", "", "", full_set},
      {"base and codes", "123 456 789", "23 89", "123 789"},
      {"codes alone", "", "05", "005 105 205 305 405 505 605 705 805 905"},
      {"base alone, ascending", "789,123\r\n456", "", "123 456 789"},
      {"codes of one space", "123 456", " ", ""},
      {"base of one line break", "\r\n", "23", ""},
      {"code without leading zero", "105 205", "5", ""},
  };
  for (const Case& c : kCases) EXPECT_EQ(IntersectThreeWithTwo(c.three_base, c.two_base), c.result) << c.name;
}

}  // namespace
}  // namespace shrink
