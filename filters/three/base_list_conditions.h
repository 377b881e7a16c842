// Typed bases (大底) against last-three numbers. A typed list is cut at spaces,
// commas, tabs and "\r\n"; entries match members as exact text (7 never
// matches 007). The result keeps the list's order and repeats.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// 保留直选大底: members equal to a typed entry.
[[nodiscard]] std::string KeepListedThree(std::string_view list, std::string_view typed);
// 删除直选大底: members equal to no typed entry.
[[nodiscard]] std::string DropListedThree(std::string_view list, std::string_view typed);

// 保留后三两码: members whose last two characters equal a typed code.
[[nodiscard]] std::string KeepListedPairs(std::string_view list, std::string_view typed);
// 删除后三两码: members whose last two characters equal no typed code.
[[nodiscard]] std::string DropListedPairs(std::string_view list, std::string_view typed);

}  // namespace shrink
