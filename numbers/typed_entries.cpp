#include "numbers/typed_entries.h"

#include "numbers/pieces.h"

namespace shrink {

TypedEntries::TypedEntries(std::string_view typed, int width) : typed_(typed), width_(width) {
  ForEachPiece<Separators::kTyped>(typed_, [this](std::string_view entry) {
    if (const auto number = NumberOf(entry)) numbers_[*number] = true;
  });
}

bool TypedEntries::Contains(std::string_view key) const {
  if (const auto number = NumberOf(key)) return numbers_[*number];
  if (!others_) {
    others_.emplace();
    ForEachPiece<Separators::kTyped>(typed_, [this](std::string_view entry) {
      if (!NumberOf(entry)) others_->insert(entry);
    });
  }
  return others_->contains(key);
}

std::optional<int> TypedEntries::NumberOf(std::string_view text) const {
  if (text.size() != static_cast<std::size_t>(width_)) return std::nullopt;
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace shrink
