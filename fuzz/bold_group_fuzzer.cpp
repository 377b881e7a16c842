// Bold groups ("123456=123") and sum-span codes ("11,00"): the condition
// text, then the list; an input of the condition alone goes against the full
// set. Both only keep, so their results are checked against the list they
// came from rather than against a twin.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "filters/three/bold_group_conditions.h"
#include "filters/three/digit_conditions.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"
#include "numbers/number_list.h"
#include "numbers/pieces.h"

namespace {

using namespace shrink;
using fuzz::Fail;
using fuzz::Shown;

// A bold group keeps one space after each kept member, the last one too;
// every later condition reads that space as no member.
void CheckBoldGroup(std::string_view list, std::string_view group, bool full_set) {
  const std::string result = KeepBoldGroup(list, group);
  const std::string expected = reference::KeepBoldGroup(list, group);
  const auto shown = {Shown{"list", list}, Shown{"group", group}, Shown{"result", result},
                      Shown{"plain result", expected}};
  if (result != expected)
    Fail("KeepBoldGroup", "differs from the plain member-by-member scan", shown);
  if (!result.empty() && !result.ends_with(' ')) {
    Fail("KeepBoldGroup", "a kept member lost its trailing space", shown);
  }
  const auto members = fuzz::PiecesOf<Separators::kTyped>(list);
  if (fuzz::HasCleanMembers(members)) {
    const auto kept = fuzz::MembersOf(result);
    if (!fuzz::IsSubsequence(kept, members)) {
      Fail("KeepBoldGroup", "the result is not a subsequence of the list", shown);
    }
    if (fuzz::StartsWithSpace(result) || result.ends_with("  ")) {
      Fail("KeepBoldGroup", "the result has a space too many at an end", shown);
    }
    if (KeepBoldGroup(result, group) != result) {
      Fail("KeepBoldGroup", "reading its own result again changes it", shown);
    }
    std::string_view without_space = result;
    if (!without_space.empty()) without_space.remove_suffix(1);
    if (DropBoldDigit(result, "") != without_space) {
      Fail("KeepBoldGroup", "a later condition reads the trailing space as a member", shown);
    }
  }
  if (full_set) fuzz::RequireNumberList(result, 3, "KeepBoldGroup", shown);
}

void CheckSumSpanCombo(std::string_view list, std::string_view codes, bool full_set) {
  const std::string result = KeepSumSpanCombo(list, codes);
  const std::string expected = reference::KeepSumSpanCombo(list, codes);
  const auto shown = {Shown{"list", list}, Shown{"codes", codes}, Shown{"result", result},
                      Shown{"plain result", expected}};
  if (result != expected) {
    Fail("KeepSumSpanCombo", "differs from the plain member-by-member scan", shown);
  }
  if (fuzz::EndsWithSpace(result)) Fail("KeepSumSpanCombo", "the result ends with a space", shown);
  const auto members = fuzz::PiecesOf<Separators::kTyped>(list);
  if (fuzz::HasCleanMembers(members)) {
    if (!fuzz::IsSubsequence(fuzz::MembersOf(result), members)) {
      Fail("KeepSumSpanCombo", "the result is not a subsequence of the list", shown);
    }
    if (fuzz::StartsWithSpace(result)) {
      Fail("KeepSumSpanCombo", "the result starts with a space", shown);
    }
  }
  if (full_set) fuzz::RequireNumberList(result, 3, "KeepSumSpanCombo", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string full_three = MakeFullSet(3);
  const auto texts = fuzz::TextsOf(data, size);
  const auto condition = fuzz::TextAt(texts, 0);
  const bool full_set = texts.size() < 2;
  const std::string_view list = full_set ? std::string_view(full_three) : texts[1];
  CheckBoldGroup(list, condition, full_set);
  CheckSumSpanCombo(list, condition, full_set);
  return 0;
}
