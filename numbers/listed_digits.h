// The digits a condition text names. Every character but a space is an entry
// and only 0-9 can match, so the listed digits are exactly the digit
// characters anywhere in the text: "1 2", "12", "21,1" and "-1-2" all list
// 1 and 2. No byte of a multi-byte UTF-8 character is an ASCII digit.
#pragma once

#include <cstdint>
#include <string_view>

#include "numbers/list_builder.h"
#include "numbers/pieces.h"

namespace shrink {

class ListedDigits {
 public:
  explicit ListedDigits(std::string_view condition) {
    for (const char c : condition) {
      if (c >= '0' && c <= '9') mask_ |= Bit(c - '0');
    }
  }

  // Whether the character is a listed digit; any other character never is.
  [[nodiscard]] bool Has(char c) const { return c >= '0' && c <= '9' && (mask_ & Bit(c - '0')); }

  // Whether the value 0-9 is listed.
  [[nodiscard]] bool HasValue(int value) const {
    return value >= 0 && value <= 9 && (mask_ & Bit(value));
  }

 private:
  static constexpr std::uint16_t Bit(int digit) { return static_cast<std::uint16_t>(1u << digit); }

  std::uint16_t mask_ = 0;
};

// The members of a built list (cut at spaces only) for which `matches(member,
// digits)` holds, or does not, as a list without trailing spaces.
template <class Matches>
[[nodiscard]] std::string FilterByListedDigits(std::string_view list, std::string_view condition,
                                               Take take, Matches&& matches) {
  const ListedDigits digits(condition);
  return FilterMembers<Separators::kSpaces>(
      list, take, [&](std::string_view member) { return matches(member, digits); });
}

}  // namespace shrink
