// Digit and place conditions ("定胆码" ... "杀个位"). A condition text lists
// every digit character it holds, anything else is ignored; a member's places
// are its first, second and last bytes.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// Members holding a listed digit in any of their last, second or first place.
[[nodiscard]] std::string KeepBoldDigit(std::string_view list, std::string_view condition);
// Members holding no listed digit in those places.
[[nodiscard]] std::string DropBoldDigit(std::string_view list, std::string_view condition);

// Members whose first character (hundreds digit) is listed.
[[nodiscard]] std::string KeepHundredsDigit(std::string_view list, std::string_view condition);
// Members whose first character is not listed.
[[nodiscard]] std::string DropHundredsDigit(std::string_view list, std::string_view condition);

// Members whose second character (tens digit) is listed.
[[nodiscard]] std::string KeepTensDigit(std::string_view list, std::string_view condition);
// Members whose second character is not listed.
[[nodiscard]] std::string DropTensDigit(std::string_view list, std::string_view condition);

// Members whose last character (ones digit, for both widths) is listed.
[[nodiscard]] std::string KeepOnesDigit(std::string_view list, std::string_view condition);
// Members whose last character is not listed.
[[nodiscard]] std::string DropOnesDigit(std::string_view list, std::string_view condition);

}  // namespace shrink
