// The inputs every benchmark shares: seeded typed bases of the size users
// paste at most, and boxes filled the way a user fills a panel. Everything is
// built once, before any timing, and is the same on every run.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "filters/boxes.h"

namespace shrink::bench {

// The entries of the big bases: a million, about 4 MB of three-digit entries.
inline constexpr std::size_t kBigBaseEntries = 1'000'000;

// A typed base of `entries` zero-padded numbers of `width` digits, drawn from
// `listed` distinct numbers (a seeded choice among all 10^width), joined as a
// paste looks: mostly spaces, some "\r\n" line ends, commas and tabs.
[[nodiscard]] std::string MakeTypedBase(int width, std::size_t entries, int listed,
                                        unsigned seed);

// MakeTypedBase(width, kBigBaseEntries, listed, ...), built on first use.
[[nodiscard]] const std::string& BigTypedBase(int width, int listed);

// Boxes held in a map; a box never written reads as the empty text.
class MapBoxes final : public Boxes {
 public:
  MapBoxes() = default;
  explicit MapBoxes(std::map<int, std::string> texts) : texts_(std::move(texts)) {}

  [[nodiscard]] std::string Text(int box) const override;
  void SetText(int box, std::string_view text) override;

 private:
  std::map<int, std::string> texts_;
};

// All 29 condition boxes of the last-three panel filled, each narrowing the
// list a little, so every step has members left to test; box 42 holds a
// pasted base of 50,000 entries.
[[nodiscard]] MapBoxes FilledLastThreeBoxes();

// All 14 condition boxes of the last-two panel filled, with members left at the end.
[[nodiscard]] MapBoxes FilledLastTwoBoxes();

}  // namespace shrink::bench
