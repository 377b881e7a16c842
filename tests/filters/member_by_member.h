// The typed-list conditions read literally, one member against one entry at a
// time: replace the separators, split both texts into strings, compare each
// member with the entries in order. Slow and plain on purpose, it is the
// yardstick for the engine's lookup tables.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shrink::member_by_member {

inline std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t found; (found = text.find(from, at)) != std::string::npos; at = found + from.size()) {
    out.append(text, at, found - at);
    out += to;
  }
  out.append(text, at);
  return out;
}

// A piece before each separator counts, even empty; the rest only when not empty.
inline std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::string piece;
  for (const char c : text) {
    if (c == separator) {
      pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

inline std::vector<std::string> TypedPieces(std::string_view text) {
  std::string normalised = ReplaceAll(std::string(text), "\r\n", " ");
  normalised = ReplaceAll(normalised, ",", " ");
  normalised = ReplaceAll(normalised, "\t", " ");
  return Split(normalised, ' ');
}

inline std::string JoinTrimmed(const std::vector<std::string>& taken) {
  std::string out;
  for (const std::string& member : taken) out += member + " ";
  for (;;) {
    if (out.ends_with(" ")) {
      out.pop_back();
    } else if (out.ends_with("\xE3\x80\x80")) {
      out.resize(out.size() - 3);
    } else {
      return out;
    }
  }
}

inline bool EqualsAnEntry(const std::vector<std::string>& entries, std::string_view text) {
  for (const std::string& entry : entries) {
    if (entry == text) return true;
  }
  return false;
}

// The members of `list` for which `matches(member, entries)` is `keep`.
template <class Matches>
std::string Filter(std::string_view list, std::string_view typed, bool keep, Matches matches) {
  const std::vector<std::string> entries = TypedPieces(typed);
  std::vector<std::string> taken;
  for (const std::string& member : TypedPieces(list)) {
    if (matches(member, entries) == keep) taken.push_back(member);
  }
  return JoinTrimmed(taken);
}

inline bool Listed(const std::string& member, const std::vector<std::string>& entries) {
  return EqualsAnEntry(entries, member);
}

inline bool LastTwoListed(const std::string& member, const std::vector<std::string>& entries) {
  return EqualsAnEntry(entries, member.size() <= 2 ? member : member.substr(member.size() - 2));
}

inline bool ListedEitherOrder(const std::string& member, const std::vector<std::string>& entries) {
  if (EqualsAnEntry(entries, member)) return true;
  const std::string reversal = member.empty() ? "" : std::string{member.back(), member.front()};
  return EqualsAnEntry(entries, reversal);
}

inline int Value(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

inline bool ComboListed(const std::string& member, const std::vector<std::string>& entries) {
  const int first = member.empty() ? 0 : Value(member[0]);
  const int second = member.size() < 2 ? 0 : Value(member[1]);
  const int last = member.empty() ? 0 : Value(member.back());
  std::vector<int> values;
  for (const char c : member) values.push_back(Value(c));
  std::sort(values.begin(), values.end());
  const int span = values.empty() ? 0 : values.back() - values.front();
  const std::string sum = std::to_string(first + second + last);
  return EqualsAnEntry(entries, sum.substr(sum.size() - 1) + std::to_string(span));
}

inline std::string KeepListedThree(std::string_view l, std::string_view t) { return Filter(l, t, true, Listed); }
inline std::string DropListedThree(std::string_view l, std::string_view t) { return Filter(l, t, false, Listed); }
inline std::string KeepListedPairs(std::string_view l, std::string_view t) { return Filter(l, t, true, LastTwoListed); }
inline std::string DropListedPairs(std::string_view l, std::string_view t) { return Filter(l, t, false, LastTwoListed); }
inline std::string KeepListedTwo(std::string_view l, std::string_view t) { return Filter(l, t, true, Listed); }
inline std::string DropListedTwo(std::string_view l, std::string_view t) { return Filter(l, t, false, Listed); }
inline std::string KeepGroupTwo(std::string_view l, std::string_view t) { return Filter(l, t, true, ListedEitherOrder); }
inline std::string DropGroupTwo(std::string_view l, std::string_view t) { return Filter(l, t, false, ListedEitherOrder); }
inline std::string KeepSumSpanCombo(std::string_view l, std::string_view t) { return Filter(l, t, true, ComboListed); }

// The bold group: pieces at "=", each digit of the group counted against the
// member's first three bytes (any other group byte never matches), one
// accepted count per byte of the count part. Without a count part nothing
// passes. Each passing member keeps its space.
inline std::string KeepBoldGroup(std::string_view list, std::string_view text) {
  const std::vector<std::string> pieces = Split(text, '=');
  if (pieces.size() < 2) return "";
  const std::string& group = pieces[0];
  const std::string& counts = pieces[1];
  std::string out;
  for (const std::string& member : TypedPieces(list)) {
    int hits = 0;
    for (const char entry : group) {
      if (entry < '0' || entry > '9') continue;
      for (std::size_t i = 0; i < member.size() && i < 3; ++i) hits += member[i] == entry;
    }
    for (const char count : counts) {
      const int accepted = count >= '1' && count <= '9' ? count - '0' : 0;
      if (hits == accepted) {
        out += member + " ";
        break;
      }
    }
  }
  return out;
}

}  // namespace shrink::member_by_member
