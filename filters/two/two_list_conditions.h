// Typed last-two lists: direct (直选, digits in order) and group (组选, either
// order). Entries are cut at spaces, commas, tabs and "\r\n" and must match a
// member as exact text (5 never matches 05).
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// "保留直选单式": members equal to a typed entry.
[[nodiscard]] std::string KeepListedTwo(std::string_view list, std::string_view typed);
// "删除直选单式": members equal to no typed entry.
[[nodiscard]] std::string DropListedTwo(std::string_view list, std::string_view typed);

// "保留组选单式": members that, or whose reversal (last then first character), equal an entry.
[[nodiscard]] std::string KeepGroupTwo(std::string_view list, std::string_view typed);
// "删除组选单式": members that, and whose reversal, equal no entry.
[[nodiscard]] std::string DropGroupTwo(std::string_view list, std::string_view typed);

}  // namespace shrink
