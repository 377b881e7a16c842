#include "bench/reference_scans.h"

#include <cstring>
#include <vector>

namespace shrink::bench {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string replaced;
  std::size_t start = 0;
  for (std::size_t found; (found = text.find(from, start)) != std::string_view::npos;
       start = found + from.size()) {
    replaced.append(text.substr(start, found - start));
    replaced.append(to);
  }
  replaced.append(text.substr(start));
  return replaced;
}

std::string Normalise(std::string_view text) {
  return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", " "), ",", " "), "\t", " ");
}

// Each piece before a space counts, even empty; the rest only when not empty.
std::vector<std::string_view> SplitAtSpaces(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t space; (space = text.find(' ', start)) != std::string_view::npos;
       start = space + 1) {
    pieces.push_back(text.substr(start, space - start));
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

}  // namespace

std::string KeepListedThreeBaseline(std::string_view list, std::string_view typed) {
  const std::string normal_list = Normalise(list);
  const std::string normal_typed = Normalise(typed);
  const std::vector<std::string_view> members = SplitAtSpaces(normal_list);
  const std::vector<std::string_view> entries = SplitAtSpaces(normal_typed);
  std::string result;
  for (const std::string_view member : members) {
    for (const std::string_view entry : entries) {
      if (entry == member) {
        result.append(member);
        result.push_back(' ');
        break;
      }
    }
  }
  static constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";
  for (;;) {
    if (!result.empty() && result.back() == ' ') {
      result.pop_back();
    } else if (std::string_view(result).ends_with(kFullWidthSpace)) {
      result.resize(result.size() - kFullWidthSpace.size());
    } else {
      return result;
    }
  }
}

std::size_t CountSeparatorsWithMemchr(std::string_view typed) {
  const char* const end = typed.data() + typed.size();
  std::size_t count = 0;
  for (const char separator : {' ', ',', '\t'}) {
    for (const char* p = typed.data();
         (p = static_cast<const char*>(std::memchr(p, separator, end - p))) != nullptr; ++p) {
      ++count;
    }
  }
  for (const char* p = typed.data();
       (p = static_cast<const char*>(std::memchr(p, '\r', end - p))) != nullptr; ++p) {
    if (p + 1 != end && p[1] == '\n') ++count;
  }
  return count;
}

}  // namespace shrink::bench
