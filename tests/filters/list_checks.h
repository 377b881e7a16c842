// Helpers the condition tests share: reading a result back into members,
// tables of results, the keep/drop complement check, and seeded random lists
// and condition texts.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filters/boxes.h"
#include "numbers/number_list.h"

namespace shrink::test_support {

using Rng = std::mt19937;

// The members of a built list: cut at each space, a trailing space adds none.
inline std::vector<std::string> Members(std::string_view list) {
  std::vector<std::string> members;
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == ' ') {
      members.emplace_back(list.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < list.size()) members.emplace_back(list.substr(start));
  return members;
}

// Whether `keep` and `drop` together hold every member of `list` exactly
// once, each in list order.
inline ::testing::AssertionResult SplitInListOrder(std::string_view list, std::string_view keep,
                                                   std::string_view drop) {
  const std::vector<std::string> members = Members(list);
  const std::vector<std::string> kept = Members(keep);
  const std::vector<std::string> dropped = Members(drop);
  std::size_t k = 0;
  std::size_t d = 0;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const bool in_keep = k < kept.size() && kept[k] == members[i];
    const bool in_drop = d < dropped.size() && dropped[d] == members[i];
    if (in_keep == in_drop) {
      return ::testing::AssertionFailure()
             << "member " << i << " \"" << members[i] << "\" is "
             << (in_keep ? "both kept and dropped" : "neither kept nor dropped") << " (list \""
             << list << "\", keep \"" << keep << "\", drop \"" << drop << "\")";
    }
    in_keep ? ++k : ++d;
  }
  if (k != kept.size() || d != dropped.size()) {
    return ::testing::AssertionFailure() << "a result holds members not in the list \"" << list
                                         << "\": keep \"" << keep << "\", drop \"" << drop << "\"";
  }
  return ::testing::AssertionSuccess();
}

inline std::size_t Below(Rng& rng, std::size_t bound) { return rng() % bound; }

// Up to 40 numbers of the width, in any order and with repeats, sometimes
// followed by the space a bold group leaves.
inline std::string RandomList(Rng& rng, int width) {
  const int numbers = width == 3 ? 1000 : 100;
  std::string list;
  const std::size_t size = Below(rng, 41);
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0) list += ' ';
    list += PadZeros(std::to_string(Below(rng, numbers)), width);
  }
  if (!list.empty() && Below(rng, 4) == 0) list += ' ';
  return list;
}

// A text as typed or pasted into a digit box: digits among spaces, minus
// signs, commas, letters, tabs, line breaks and full-width spaces.
inline std::string RandomConditionText(Rng& rng) {
  static constexpr std::string_view kPieces[] = {
      "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
      " ", "-", ",", "a", "\t", "\r\n", "\xE3\x80\x80", "胆"};
  std::string text;
  const std::size_t size = Below(rng, 9);
  for (std::size_t i = 0; i < size; ++i) text += kPieces[Below(rng, std::size(kPieces))];
  return text;
}

// A typed base: numbers of both widths (drawn from a small range so that they
// often match), short and long entries and odd characters, among every kind
// of separator.
inline std::string RandomTypedText(Rng& rng) {
  static constexpr std::string_view kOdd[] = {"",  "7",  "1234", "ab", "\xE3\x80\x80",
                                               "\xEF\xBC\x90\xEF\xBC\x95", "12\n34", "5\r"};
  static constexpr std::string_view kSeparators[] = {" ", " ", ",", "\t", "\r\n", ", ", "  "};
  std::string text;
  const std::size_t size = Below(rng, 25);
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0) text += kSeparators[Below(rng, std::size(kSeparators))];
    switch (Below(rng, 4)) {
      case 0: text += PadZeros(std::to_string(Below(rng, 40)), 3); break;
      case 1: text += PadZeros(std::to_string(Below(rng, 40)), 2); break;
      case 2: text += PadZeros(std::to_string(Below(rng, 1000)), 3); break;
      default: text += kOdd[Below(rng, std::size(kOdd))]; break;
    }
  }
  if (Below(rng, 5) == 0) text += kSeparators[Below(rng, std::size(kSeparators))];
  return text;
}

// A condition applied to the full set of a width: how many members it keeps,
// and how its result begins and ends.
struct FullSetCase {
  const char* name;
  Condition op;
  std::string_view condition;
  std::size_t count;
  std::string_view starts;
  std::string_view ends;
};

inline void ExpectFullSetResults(std::span<const FullSetCase> cases, int width) {
  const std::string full_set = MakeFullSet(width);
  for (const FullSetCase& c : cases) {
    const std::string result = c.op(full_set, c.condition);
    EXPECT_EQ(Members(result).size(), c.count) << c.name;
    EXPECT_TRUE(result.starts_with(c.starts)) << c.name << ": " << result.substr(0, 60);
    EXPECT_TRUE(result.ends_with(c.ends)) << c.name << ": " << result;
    EXPECT_FALSE(result.ends_with(' ')) << c.name;
  }
}

// A condition applied to the full set of a width with each single digit as
// its text: how many members it keeps for the digits 0 to 9.
struct DigitShareCase {
  const char* name;
  Condition op;
  std::array<std::size_t, 10> counts;
};

inline void ExpectDigitShares(std::span<const DigitShareCase> cases, int width) {
  const std::string full_set = MakeFullSet(width);
  for (int value = 0; value <= 9; ++value) {
    const std::string digit = std::to_string(value);
    for (const DigitShareCase& c : cases) {
      EXPECT_EQ(Members(c.op(full_set, digit)).size(), c.counts[value]) << c.name << " " << value;
    }
  }
}

// A condition applied to a short list, and its exact result.
struct ListCase {
  const char* name;
  Condition op;
  std::string_view list;
  std::string_view condition;
  std::string_view result;
};

inline void ExpectListResults(std::span<const ListCase> cases) {
  for (const ListCase& c : cases) EXPECT_EQ(c.op(c.list, c.condition), c.result) << c.name;
}

// A keep condition and its drop twin.
struct Twins {
  const char* name;
  Condition keep;
  Condition drop;
  int width;
};

// On random lists and random condition texts, each twin pair splits the list:
// every member lands in exactly one of the two results, in list order.
template <class MakeCondition>
void ExpectTwinsSplitRandomLists(std::span<const Twins> twins, MakeCondition make_condition,
                                 Rng::result_type seed) {
  Rng rng(seed);
  for (int round = 0; round < 300; ++round) {
    for (const Twins& t : twins) {
      const std::string list = RandomList(rng, t.width);
      const std::string condition = make_condition(rng);
      const std::string kept = t.keep(list, condition);
      const std::string dropped = t.drop(list, condition);
      EXPECT_TRUE(SplitInListOrder(list, kept, dropped))
          << t.name << ", condition \"" << condition << "\"";
      EXPECT_FALSE(kept.ends_with(' ') || dropped.ends_with(' ')) << t.name;
    }
  }
}

}  // namespace shrink::test_support
