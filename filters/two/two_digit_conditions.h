// Digit, sum-tail and span conditions of the last-two panel. The tens digit is
// a member's first character and the ones digit its last.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// "保留胆码": members whose ones or tens digit is listed.
[[nodiscard]] std::string KeepBoldTwo(std::string_view list, std::string_view condition);
// "删除胆码": members whose ones and tens digits are both unlisted.
[[nodiscard]] std::string DropBoldTwo(std::string_view list, std::string_view condition);

// "保留十位": members whose tens digit is listed.
[[nodiscard]] std::string KeepTensTwo(std::string_view list, std::string_view condition);
// "删除十位": members whose tens digit is not listed.
[[nodiscard]] std::string DropTensTwo(std::string_view list, std::string_view condition);

// "保留合尾": members whose (tens + ones) mod 10 is listed.
[[nodiscard]] std::string KeepSumTailTwo(std::string_view list, std::string_view condition);
// "删除合尾": members whose (tens + ones) mod 10 is not listed.
[[nodiscard]] std::string DropSumTailTwo(std::string_view list, std::string_view condition);

// "保留跨度": members whose |ones - tens| is listed.
[[nodiscard]] std::string KeepSpanTwo(std::string_view list, std::string_view condition);
// "删除跨度": members whose |ones - tens| is not listed.
[[nodiscard]] std::string DropSpanTwo(std::string_view list, std::string_view condition);

}  // namespace shrink
