// Sum-tail and span conditions ("定合尾" "杀合尾" "定跨度" "杀跨度") and the
// span of one number.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// Largest digit minus smallest; a byte that is not a digit counts as 0, and
// the empty text has span 0.
[[nodiscard]] int SpanOf(std::string_view number);

// Members whose digit-sum tail (sum of first, second and last digit, mod 10) is listed.
[[nodiscard]] std::string KeepSumTail(std::string_view list, std::string_view condition);
// Members whose digit-sum tail is not listed.
[[nodiscard]] std::string DropSumTail(std::string_view list, std::string_view condition);

// Members whose span is listed.
[[nodiscard]] std::string KeepSpan(std::string_view list, std::string_view condition);
// Members whose span is not listed.
[[nodiscard]] std::string DropSpan(std::string_view list, std::string_view condition);

}  // namespace shrink
