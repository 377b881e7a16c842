// Builds a result list the way every condition does: each kept member is
// followed by one space, and the trailing run of spaces is removed at the end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "numbers/pieces.h"

namespace shrink {

class ListBuilder {
 public:
  // `capacity` bounds the result: a filter never outgrows its input list.
  explicit ListBuilder(std::size_t capacity) { text_.reserve(capacity); }

  void Add(std::string_view member) {
    text_.append(member);
    text_.push_back(' ');
  }

  // The list without its trailing ASCII and full-width (U+3000) spaces.
  [[nodiscard]] std::string Finish() && {
    static constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";
    for (;;) {
      if (!text_.empty() && text_.back() == ' ') {
        text_.pop_back();
      } else if (std::string_view(text_).ends_with(kFullWidthSpace)) {
        text_.resize(text_.size() - kFullWidthSpace.size());
      } else {
        return std::move(text_);
      }
    }
  }

  // The list as built, the space after its last member included.
  [[nodiscard]] std::string FinishKeepingTrailingSpace() && { return std::move(text_); }

 private:
  std::string text_;
};

// Whether a filter returns the members its test accepts or those it rejects;
// every keep condition has a drop twin that is its exact complement.
enum class Take { kMatching, kNotMatching };

// The members of `list` (cut by `kSeparators`) that `matches` accepts, or
// rejects, in list order, as a list without trailing spaces.
template <Separators kSeparators, class Matches>
[[nodiscard]] std::string FilterMembers(std::string_view list, Take take, Matches&& matches) {
  ListBuilder result(list.size() + 1);
  const bool want = take == Take::kMatching;
  ForEachPiece<kSeparators>(list, [&](std::string_view member) {
    if (matches(member) == want) result.Add(member);
  });
  return std::move(result).Finish();
}

}  // namespace shrink
