// The typed-list conditions answer from lookup tables of the possible
// members. Whatever the list and the typed text hold (empty members from
// double separators, short and long members, letters, full-width spaces,
// lone line feeds), they must give byte for byte the result of comparing each
// member with each entry in order.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "filters/three/base_list_conditions.h"
#include "filters/three/bold_group_conditions.h"
#include "filters/two/two_list_conditions.h"
#include "numbers/number_list.h"
#include "tests/filters/list_checks.h"
#include "tests/filters/member_by_member.h"

namespace shrink {
namespace {

using test_support::Below;
using test_support::Rng;

// Fragments glued at random, so numbers also run together into longer pieces
// and "\r" meets "\n".
std::string RandomText(Rng& rng) {
  static constexpr std::string_view kOdd[] = {
      "7", "1234", "ab", "\xE3\x80\x80", "12\xE3\x80\x80", "\r", "\n", "\xEF\xBC\x95", "=", "0"};
  static constexpr std::string_view kSeparators[] = {" ", ",", "\t", "\r\n", "  ", ", "};
  std::string text;
  const std::size_t fragments = Below(rng, 30);
  for (std::size_t i = 0; i < fragments; ++i) {
    switch (Below(rng, 5)) {
      case 0: text += PadZeros(std::to_string(Below(rng, 30)), 3); break;
      case 1: text += PadZeros(std::to_string(Below(rng, 30)), 2); break;
      case 2: text += PadZeros(std::to_string(Below(rng, 1000)), 3); break;
      default: text += kOdd[Below(rng, std::size(kOdd))]; break;
    }
    if (Below(rng, 4) != 0) text += kSeparators[Below(rng, std::size(kSeparators))];
  }
  return text;
}

// A bold-group text: mostly digits around one "=", sometimes none or two,
// with spaces, commas, letters and full-width spaces.
std::string RandomBoldGroup(Rng& rng) {
  static constexpr std::string_view kPieces[] = {"0", "1", "2", "3", "1", "2", "=", "=", " ",
                                                 ",", "a", "\xE3\x80\x80", "9"};
  std::string text;
  const std::size_t size = Below(rng, 10);
  for (std::size_t i = 0; i < size; ++i) text += kPieces[Below(rng, std::size(kPieces))];
  return text;
}

using Operation = std::string (*)(std::string_view, std::string_view);
struct Pair {
  const char* name;
  Operation engine;
  Operation reference;
};
constexpr Pair kPairs[] = {
    {"KeepListedThree", KeepListedThree, member_by_member::KeepListedThree},
    {"DropListedThree", DropListedThree, member_by_member::DropListedThree},
    {"KeepListedPairs", KeepListedPairs, member_by_member::KeepListedPairs},
    {"DropListedPairs", DropListedPairs, member_by_member::DropListedPairs},
    {"KeepListedTwo", KeepListedTwo, member_by_member::KeepListedTwo},
    {"DropListedTwo", DropListedTwo, member_by_member::DropListedTwo},
    {"KeepGroupTwo", KeepGroupTwo, member_by_member::KeepGroupTwo},
    {"DropGroupTwo", DropGroupTwo, member_by_member::DropGroupTwo},
    {"KeepSumSpanCombo", KeepSumSpanCombo, member_by_member::KeepSumSpanCombo},
};

TEST(TypedListReferenceTest, AnyListAgainstAnyTypedText) {
  Rng rng(1000);
  for (int round = 0; round < 3000; ++round) {
    const std::string list = RandomText(rng);
    const std::string typed = RandomText(rng);
    for (const Pair& p : kPairs) {
      ASSERT_EQ(p.engine(list, typed), p.reference(list, typed))
          << p.name << " list " << ::testing::PrintToString(list) << " typed "
          << ::testing::PrintToString(typed);
    }
  }
}

TEST(TypedListReferenceTest, FullSetsAgainstLongTypedTexts) {
  Rng rng(2000);
  const std::string full_sets[] = {MakeFullSet(3), MakeFullSet(2)};
  for (int round = 0; round < 10; ++round) {
    std::string typed;
    for (int i = 0; i < 40; ++i) typed += RandomText(rng);
    for (const std::string& full_set : full_sets) {
      for (const Pair& p : kPairs) {
        ASSERT_EQ(p.engine(full_set, typed), p.reference(full_set, typed))
            << p.name << " typed " << ::testing::PrintToString(typed);
      }
    }
  }
}

TEST(TypedListReferenceTest, BoldGroupAgainstAnyList) {
  Rng rng(3000);
  for (int round = 0; round < 3000; ++round) {
    const std::string list = Below(rng, 8) == 0 ? MakeFullSet(3) : RandomText(rng);
    const std::string group = RandomBoldGroup(rng);
    ASSERT_EQ(KeepBoldGroup(list, group), member_by_member::KeepBoldGroup(list, group))
        << "list " << ::testing::PrintToString(list) << " group "
        << ::testing::PrintToString(group);
  }
}

}  // namespace
}  // namespace shrink
