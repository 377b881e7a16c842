// Bold groups (胆组, "123456=123") and sum-span combinations (保留合跨组合).
// Both only keep; neither has a drop twin.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// Members whose count of group-digit hits is an accepted count. The text is
// "group=counts": each group byte adds one hit per equal byte among the
// member's first three; each count byte 1-9 accepts that count and any other
// byte accepts 0. Without a count part nothing passes. Every kept member is
// followed by one space, the last one too: later steps read it as a separator.
[[nodiscard]] std::string KeepBoldGroup(std::string_view list, std::string_view group);

// Members whose sum tail followed by their span ("09" for 190) equals a typed code.
[[nodiscard]] std::string KeepSumSpanCombo(std::string_view list, std::string_view codes);

}  // namespace shrink
