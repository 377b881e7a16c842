// Typed lists of both widths: the base-list conditions, the last-two direct
// and group lists, the entry lookup behind them and the tool intersections.
// Texts: the typed list, then the list, then up to two more bases. An input of
// the typed list alone goes against both full sets.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filters/three/base_list_conditions.h"
#include "filters/two/two_list_conditions.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"
#include "fuzz/twin_checks.h"
#include "numbers/number_list.h"
#include "numbers/typed_entries.h"
#include "tools/intersections.h"

namespace {

using namespace shrink;
using fuzz::Fail;
using fuzz::Shown;
using fuzz::Twins;

constexpr Twins kLastThreeTwins[] = {
    {"KeepListedThree/DropListedThree", KeepListedThree, DropListedThree,
     reference::KeepListedThree, reference::DropListedThree},
    {"KeepListedPairs/DropListedPairs", KeepListedPairs, DropListedPairs,
     reference::KeepListedPairs, reference::DropListedPairs},
};

constexpr Twins kLastTwoTwins[] = {
    {"KeepListedTwo/DropListedTwo", KeepListedTwo, DropListedTwo, reference::KeepListedTwo,
     reference::DropListedTwo},
    {"KeepGroupTwo/DropGroupTwo", KeepGroupTwo, DropGroupTwo, reference::KeepGroupTwo,
     reference::DropGroupTwo},
};

// The table lookup against a scan of the entries, for every number of the
// width and every piece of `keys` (numbers or not, the empty piece included).
void CheckTypedEntries(std::string_view typed, int width, std::string_view keys) {
  const TypedEntries entries(typed, width);
  const std::string normalised = reference::NormaliseTyped(typed);
  const reference::Entries plain = reference::Split(normalised, ' ');
  const auto check = [&](std::string_view key) {
    if (entries.Contains(key) != reference::AnyEntryEquals(plain, key)) {
      Fail("TypedEntries::Contains", "differs from a scan of the entries",
           {{"typed", typed}, {"key", key}, {"width", width == 2 ? "2" : "3"}});
    }
  };
  const std::string full_set = MakeFullSet(width);
  for (const std::string_view number : fuzz::MembersOf(full_set)) check(number);
  for (const std::string_view piece : fuzz::PiecesOf<Separators::kTyped>(keys)) check(piece);
  check("");
}

std::string ReferenceIntersection(std::span<const std::string_view> bases, int width,
                                  reference::Operation keep_listed) {
  std::string list = reference::MakeFullSet(width);
  for (const std::string_view base : bases) {
    if (!base.empty()) list = keep_listed(list, base);
  }
  return list;
}

void CheckIntersections(const std::vector<std::string_view>& texts) {
  const std::array<std::string_view, 4> bases{fuzz::TextAt(texts, 0), fuzz::TextAt(texts, 1),
                                              fuzz::TextAt(texts, 2), fuzz::TextAt(texts, 3)};
  const auto shown = {Shown{"A", bases[0]}, Shown{"B", bases[1]}, Shown{"C", bases[2]},
                      Shown{"D", bases[3]}};
  const std::string three = IntersectBases(bases, 3);
  if (three != ReferenceIntersection(bases, 3, reference::KeepListedThree)) {
    Fail("IntersectBases(3)", "differs from the plain member-by-member scan", shown);
  }
  fuzz::RequireNumberList(three, 3, "IntersectBases(3)", shown);
  const std::string two = IntersectBases(bases, 2);
  if (two != ReferenceIntersection(bases, 2, reference::KeepListedTwo)) {
    Fail("IntersectBases(2)", "differs from the plain member-by-member scan", shown);
  }
  fuzz::RequireNumberList(two, 2, "IntersectBases(2)", shown);

  std::string expected = reference::MakeFullSet(3);
  if (!bases[0].empty()) expected = reference::KeepListedThree(expected, bases[0]);
  if (!bases[1].empty()) expected = reference::KeepListedPairs(expected, bases[1]);
  const std::string three_with_two = IntersectThreeWithTwo(bases[0], bases[1]);
  if (three_with_two != expected) {
    Fail("IntersectThreeWithTwo", "differs from the plain member-by-member scan", shown);
  }
  fuzz::RequireNumberList(three_with_two, 3, "IntersectThreeWithTwo", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string full_three = MakeFullSet(3);
  static const std::string full_two = MakeFullSet(2);
  const auto texts = fuzz::TextsOf(data, size);
  const auto typed = fuzz::TextAt(texts, 0);
  const auto list = fuzz::TextAt(texts, 1);
  CheckTypedEntries(typed, 3, list);
  CheckTypedEntries(typed, 2, list);
  CheckIntersections(texts);
  if (texts.size() > 1) {
    for (const Twins& twins : kLastThreeTwins) {
      fuzz::CheckTwins<Separators::kTyped>(twins, list, typed);
    }
    for (const Twins& twins : kLastTwoTwins) {
      fuzz::CheckTwins<Separators::kTyped>(twins, list, typed);
    }
    return 0;
  }
  for (const Twins& twins : kLastThreeTwins) {
    fuzz::CheckTwins<Separators::kTyped>(twins, full_three, typed, 3);
  }
  for (const Twins& twins : kLastTwoTwins) {
    fuzz::CheckTwins<Separators::kTyped>(twins, full_two, typed, 2);
  }
  return 0;
}
