#include "filters/three/bold_group_conditions.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "filters/three/sum_span_conditions.h"
#include "numbers/list_builder.h"
#include "numbers/member_places.h"
#include "numbers/pieces.h"
#include "numbers/typed_entries.h"

namespace shrink {
namespace {

// A bold-group text "group=counts" read as typed: nothing is replaced or
// trimmed, and anything after a second "=" is ignored.
struct BoldGroup {
  // How often each digit occurs in the group part: a repeated entry counts again.
  std::array<std::size_t, 256> occurrences{};
  // Bit h is set when a hit count of h is accepted.
  std::uint16_t accepted_counts = 0;

  explicit BoldGroup(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return;  // no count part: nothing passes
    // Only a digit of the group can be hit: a letter or a byte of a Chinese
    // character in it matches nothing, even in a pasted list holding the same.
    for (const char c : text.substr(0, equals)) {
      if (c >= '0' && c <= '9') ++occurrences[static_cast<unsigned char>(c)];
    }
    std::string_view counts = text.substr(equals + 1);
    counts = counts.substr(0, counts.find('='));
    // 1 to 9 accept that count; every other byte, the digit 0 included, accepts 0.
    for (const char c : counts) accepted_counts |= 1u << (c >= '1' && c <= '9' ? c - '0' : 0);
  }

  [[nodiscard]] bool Passes(std::string_view member) const {
    std::size_t hits = 0;
    for (const char c : member.substr(0, 3)) hits += occurrences[static_cast<unsigned char>(c)];
    return hits <= 9 && (accepted_counts & (1u << hits));
  }
};

}  // namespace

std::string KeepBoldGroup(std::string_view list, std::string_view group) {
  const BoldGroup bold_group(group);
  ListBuilder result(list.size() + 1);
  ForEachPiece<Separators::kTyped>(list, [&](std::string_view member) {
    if (bold_group.Passes(member)) result.Add(member);
  });
  return std::move(result).FinishKeepingTrailingSpace();
}

std::string KeepSumSpanCombo(std::string_view list, std::string_view codes) {
  return FilterByTypedEntries(
      list, codes, 2, Take::kMatching, [](std::string_view member, const TypedEntries& entries) {
        const char key[] = {static_cast<char>('0' + SumTailOf(member)),
                            static_cast<char>('0' + SpanOf(member))};
        return entries.Contains(std::string_view(key, 2));
      });
}

}  // namespace shrink
