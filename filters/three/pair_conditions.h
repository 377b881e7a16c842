// Two-code conditions: the pairs hundreds-tens, tens-ones and hundreds-ones of
// a member, each with a sum tail ((a + b) mod 10) and a difference (|a - b|).
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// "定两码合": members with a pair whose sum tail is listed.
[[nodiscard]] std::string KeepPairSum(std::string_view list, std::string_view condition);
// "杀两码合": members with no pair whose sum tail is listed.
[[nodiscard]] std::string DropPairSum(std::string_view list, std::string_view condition);

// "定两码差": members with a pair whose difference is listed.
[[nodiscard]] std::string KeepPairDiff(std::string_view list, std::string_view condition);
// "杀两码差": members with no pair whose difference is listed.
[[nodiscard]] std::string DropPairDiff(std::string_view list, std::string_view condition);

// "保留合差": members with a listed value among their three sum tails and three differences.
[[nodiscard]] std::string KeepPairSumOrDiff(std::string_view list, std::string_view condition);
// "删除合差": members with no listed value among those six.
[[nodiscard]] std::string DropPairSumOrDiff(std::string_view list, std::string_view condition);

}  // namespace shrink
