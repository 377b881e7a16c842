// The places of one member, read by byte position: the first (hundreds, or
// tens of a two-digit number), the second and the last (ones). A place the
// member lacks reads as '\0', which is no digit; as a value, any byte that is
// not a digit counts 0.
#pragma once

#include <string_view>

namespace shrink {

[[nodiscard]] constexpr char FirstOf(std::string_view member) {
  return member.empty() ? '\0' : member.front();
}

[[nodiscard]] constexpr char SecondOf(std::string_view member) {
  return member.size() < 2 ? '\0' : member[1];
}

[[nodiscard]] constexpr char LastOf(std::string_view member) {
  return member.empty() ? '\0' : member.back();
}

[[nodiscard]] constexpr int DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

// The last digit of the sum of the first, second and last digits.
[[nodiscard]] constexpr int SumTailOf(std::string_view member) {
  return (DigitValue(FirstOf(member)) + DigitValue(SecondOf(member)) +
          DigitValue(LastOf(member))) %
         10;
}

// The last two bytes of a member, or the whole member when it is shorter.
[[nodiscard]] constexpr std::string_view LastTwoOf(std::string_view member) {
  return member.size() <= 2 ? member : member.substr(member.size() - 2);
}

}  // namespace shrink
