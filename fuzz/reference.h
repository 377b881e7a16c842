// The list operations written the plain way, as the user would check them by
// hand: replace the separators in whole-text passes, split into pieces, and
// test each member against each entry in turn, comparing texts. No tables,
// masks or shortcuts, and nothing shared with the engine, so the fuzz targets
// can hold the engine's fast paths against them.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace shrink::reference {

inline constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

// Every occurrence of `from`, scanned left to right without overlap, replaced by `to`.
inline std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string replaced;
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos;
       at = text.find(from, start)) {
    replaced.append(text.substr(start, at - start));
    replaced.append(to);
    start = at + from.size();
  }
  replaced.append(text.substr(start));
  return replaced;
}

// The split rule: each piece that ends at a separator counts, even when empty;
// the rest after the last separator counts only when it is not empty. The
// pieces view `text`.
inline std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == separator) {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

// A typed list with each "\r\n", then each ",", then each tab made one space.
inline std::string NormaliseTyped(std::string_view text) {
  return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", " "), ",", " "), "\t", " ");
}

// Each taken member followed by one space, then the trailing run of ASCII and
// full-width spaces removed unless `trim` is off.
inline std::string Join(const std::vector<std::string_view>& taken, bool trim = true) {
  std::string text;
  for (const std::string_view member : taken) {
    text += member;
    text += ' ';
  }
  while (trim) {
    if (text.ends_with(' ')) {
      text.pop_back();
    } else if (text.ends_with(kFullWidthSpace)) {
      text.erase(text.size() - kFullWidthSpace.size());
    } else {
      trim = false;
    }
  }
  return text;
}

// The character (byte) of a member at a place, as a one-character text, or
// the empty text when the member has no such place.
inline std::string_view FirstOf(std::string_view member) { return member.substr(0, 1); }
inline std::string_view SecondOf(std::string_view member) {
  return member.size() >= 2 ? member.substr(1, 1) : std::string_view();
}
inline std::string_view LastOf(std::string_view member) {
  return member.empty() ? member : member.substr(member.size() - 1);
}

// The value of a one-character text: its digit, or 0 for anything else.
inline int ValueOf(std::string_view place) {
  return place.size() == 1 && place[0] >= '0' && place[0] <= '9' ? place[0] - '0' : 0;
}

// The last character of a number's decimal text: -3 gives '3', 17 gives '7'.
inline char LastCharacterOf(int number) { return std::to_string(number).back(); }

// Each character's digit value (0 for a non-digit), sorted; the last minus the first.
inline int SpanOf(std::string_view number) {
  if (number.empty()) return 0;
  std::string values;  // one value 0-9 per character, as a small number
  for (std::size_t i = 0; i < number.size(); ++i) {
    values += static_cast<char>(ValueOf(number.substr(i, 1)));
  }
  std::sort(values.begin(), values.end());
  return values.back() - values.front();
}

// The entries of a condition text read as listed digits: every character but
// the ASCII space and the full-width space, one entry per character.
inline std::string DigitEntriesOf(std::string_view condition) {
  std::string entries;
  for (std::size_t i = 0; i < condition.size(); ++i) {
    if (condition[i] == ' ') continue;
    if (condition.substr(i).starts_with(kFullWidthSpace)) {
      i += kFullWidthSpace.size() - 1;
      continue;
    }
    entries += condition[i];
  }
  return entries;
}

// The one-character values a digit condition compares with the entries, in
// testing order. A place the member lacks gives none: it equals no entry.
using TestedValues = std::string (*)(std::string_view member);

// The listed digits: the entries that are 0-9, each once, in text order. Any
// other entry never matches (a comma entry never matches the comma that ends
// a pasted member), and a repeated digit is listed once.
inline std::string ListedDigitsOf(std::string_view condition) {
  std::string listed;
  for (const char entry : DigitEntriesOf(condition)) {
    if (entry >= '0' && entry <= '9' && listed.find(entry) == std::string::npos) listed += entry;
  }
  return listed;
}

// The members (cut at spaces only) with a tested value equal to a listed
// digit, or with none when `keep` is off.
inline std::string FilterByDigits(std::string_view list, std::string_view condition,
                                  TestedValues values, bool keep) {
  const std::string listed = ListedDigitsOf(condition);
  std::vector<std::string_view> taken;
  for (const std::string_view member : Split(list, ' ')) {
    const std::string tested = values(member);
    bool matched = false;
    for (std::size_t e = 0; e < listed.size() && !matched; ++e) {
      for (const char value : tested) matched = matched || listed[e] == value;
    }
    if (matched == keep) taken.push_back(member);
  }
  return Join(taken);
}

inline std::string BoldValues(std::string_view m) {
  return std::string(LastOf(m)) + std::string(SecondOf(m)) + std::string(FirstOf(m));
}
inline std::string FirstValue(std::string_view m) { return std::string(FirstOf(m)); }
inline std::string SecondValue(std::string_view m) { return std::string(SecondOf(m)); }
inline std::string LastValue(std::string_view m) { return std::string(LastOf(m)); }
inline std::string SumTailValue(std::string_view m) {
  return {LastCharacterOf(ValueOf(FirstOf(m)) + ValueOf(SecondOf(m)) + ValueOf(LastOf(m)))};
}
inline std::string SpanValue(std::string_view m) { return std::to_string(SpanOf(m)); }
inline std::string PairSumValues(std::string_view m) {
  const int h = ValueOf(FirstOf(m)), t = ValueOf(SecondOf(m)), o = ValueOf(LastOf(m));
  return {LastCharacterOf(h + t), LastCharacterOf(t + o), LastCharacterOf(h + o)};
}
inline std::string PairDiffValues(std::string_view m) {
  const int h = ValueOf(FirstOf(m)), t = ValueOf(SecondOf(m)), o = ValueOf(LastOf(m));
  return {LastCharacterOf(h - t), LastCharacterOf(t - o), LastCharacterOf(h - o)};
}
inline std::string PairSumAndDiffValues(std::string_view m) {
  return PairSumValues(m) + PairDiffValues(m);
}
inline std::string BoldTwoValues(std::string_view m) {
  return std::string(LastOf(m)) + std::string(FirstOf(m));
}
inline std::string SumTailTwoValue(std::string_view m) {
  return {LastCharacterOf(ValueOf(FirstOf(m)) + ValueOf(LastOf(m)))};
}
inline std::string SpanTwoValue(std::string_view m) {
  return {LastCharacterOf(ValueOf(LastOf(m)) - ValueOf(FirstOf(m)))};
}

using Entries = std::vector<std::string_view>;

// Whether some entry equals the text, byte for byte.
inline bool AnyEntryEquals(const Entries& entries, std::string_view text) {
  for (const std::string_view entry : entries) {
    if (entry == text) return true;
  }
  return false;
}

// Whether a typed-list condition finds a member among the entries.
using Finds = bool (*)(std::string_view member, const Entries& entries);

// Both texts normalised and split; the members found among the entries, or
// those not found when `keep` is off.
inline std::string FilterByTyped(std::string_view list, std::string_view typed, Finds finds,
                                 bool keep) {
  const std::string typed_text = NormaliseTyped(typed);
  const std::string list_text = NormaliseTyped(list);
  const Entries entries = Split(typed_text, ' ');
  std::vector<std::string_view> taken;
  for (const std::string_view member : Split(list_text, ' ')) {
    if (finds(member, entries) == keep) taken.push_back(member);
  }
  return Join(taken);
}

inline std::string_view LastTwoOf(std::string_view m) {
  return m.size() <= 2 ? m : m.substr(m.size() - 2);
}

inline bool ItselfListed(std::string_view m, const Entries& entries) {
  return AnyEntryEquals(entries, m);
}
inline bool LastTwoListed(std::string_view m, const Entries& entries) {
  return AnyEntryEquals(entries, LastTwoOf(m));
}
// The reversal is the last character followed by the first.
inline bool EitherOrderListed(std::string_view m, const Entries& entries) {
  return AnyEntryEquals(entries, m) ||
         AnyEntryEquals(entries, std::string(LastOf(m)) + std::string(FirstOf(m)));
}
// A member's sum-span key: its sum tail, then its span as decimal text.
inline bool SumSpanKeyListed(std::string_view m, const Entries& entries) {
  return AnyEntryEquals(entries, SumTailValue(m) + SpanValue(m));
}

using Operation = std::string (*)(std::string_view list, std::string_view condition);

template <TestedValues kValues, bool kKeep>
std::string ByDigits(std::string_view list, std::string_view condition) {
  return FilterByDigits(list, condition, kValues, kKeep);
}

template <Finds kFinds, bool kKeep>
std::string ByTyped(std::string_view list, std::string_view typed) {
  return FilterByTyped(list, typed, kFinds, kKeep);
}

inline constexpr Operation KeepBoldDigit = ByDigits<BoldValues, true>;
inline constexpr Operation DropBoldDigit = ByDigits<BoldValues, false>;
inline constexpr Operation KeepHundredsDigit = ByDigits<FirstValue, true>;
inline constexpr Operation DropHundredsDigit = ByDigits<FirstValue, false>;
inline constexpr Operation KeepTensDigit = ByDigits<SecondValue, true>;
inline constexpr Operation DropTensDigit = ByDigits<SecondValue, false>;
inline constexpr Operation KeepOnesDigit = ByDigits<LastValue, true>;
inline constexpr Operation DropOnesDigit = ByDigits<LastValue, false>;
inline constexpr Operation KeepSumTail = ByDigits<SumTailValue, true>;
inline constexpr Operation DropSumTail = ByDigits<SumTailValue, false>;
inline constexpr Operation KeepSpan = ByDigits<SpanValue, true>;
inline constexpr Operation DropSpan = ByDigits<SpanValue, false>;
inline constexpr Operation KeepPairSum = ByDigits<PairSumValues, true>;
inline constexpr Operation DropPairSum = ByDigits<PairSumValues, false>;
inline constexpr Operation KeepPairDiff = ByDigits<PairDiffValues, true>;
inline constexpr Operation DropPairDiff = ByDigits<PairDiffValues, false>;
inline constexpr Operation KeepPairSumOrDiff = ByDigits<PairSumAndDiffValues, true>;
inline constexpr Operation DropPairSumOrDiff = ByDigits<PairSumAndDiffValues, false>;
inline constexpr Operation KeepBoldTwo = ByDigits<BoldTwoValues, true>;
inline constexpr Operation DropBoldTwo = ByDigits<BoldTwoValues, false>;
inline constexpr Operation KeepTensTwo = ByDigits<FirstValue, true>;
inline constexpr Operation DropTensTwo = ByDigits<FirstValue, false>;
inline constexpr Operation KeepSumTailTwo = ByDigits<SumTailTwoValue, true>;
inline constexpr Operation DropSumTailTwo = ByDigits<SumTailTwoValue, false>;
inline constexpr Operation KeepSpanTwo = ByDigits<SpanTwoValue, true>;
inline constexpr Operation DropSpanTwo = ByDigits<SpanTwoValue, false>;

inline constexpr Operation KeepListedThree = ByTyped<ItselfListed, true>;
inline constexpr Operation DropListedThree = ByTyped<ItselfListed, false>;
inline constexpr Operation KeepListedPairs = ByTyped<LastTwoListed, true>;
inline constexpr Operation DropListedPairs = ByTyped<LastTwoListed, false>;
inline constexpr Operation KeepListedTwo = ByTyped<ItselfListed, true>;
inline constexpr Operation DropListedTwo = ByTyped<ItselfListed, false>;
inline constexpr Operation KeepGroupTwo = ByTyped<EitherOrderListed, true>;
inline constexpr Operation DropGroupTwo = ByTyped<EitherOrderListed, false>;
inline constexpr Operation KeepSumSpanCombo = ByTyped<SumSpanKeyListed, true>;

// "group=counts": the group part is the first piece cut at "=", the count
// part the second. Each member (list cut like a typed list) takes the bytes of
// the count part in turn and passes under the first one it satisfies: 1-9
// want that many hits, any other byte none. A hit is a group byte that is a
// digit and equals one of the member's first three characters. Without a count
// part nothing passes. Every passing member keeps its space, the last one too.
inline std::string KeepBoldGroup(std::string_view list, std::string_view group_text) {
  const std::vector<std::string_view> pieces = Split(group_text, '=');
  if (pieces.size() < 2) return "";
  const std::string_view group = pieces[0];
  const std::string_view counts = pieces[1];
  const std::string list_text = NormaliseTyped(list);
  std::vector<std::string_view> taken;
  for (const std::string_view member : Split(list_text, ' ')) {
    int hits = 0;
    for (const char entry : group) {
      if (entry < '0' || entry > '9') continue;
      for (const char c : member.substr(0, 3)) hits += c == entry ? 1 : 0;
    }
    bool passes = false;
    for (const char count : counts) {
      const int wanted = count >= '1' && count <= '9' ? count - '0' : 0;
      if (hits == wanted) {
        passes = true;
        break;
      }
    }
    if (passes) taken.push_back(member);
  }
  return Join(taken, /*trim=*/false);
}

// The text left-padded with "0", one at a time, up to `width` bytes.
inline std::string PadZeros(std::string_view text, int width) {
  std::string padded(text);
  for (int k = width - static_cast<int>(text.size()); k > 0; --k) padded = "0" + padded;
  return padded;
}

inline std::string MakeFullSet(int width) {
  int count = 1;
  for (int i = 0; i < width; ++i) count *= 10;
  std::string list;
  for (int i = 0; i < count; ++i) {
    list += PadZeros(std::to_string(i), width);
    if (i + 1 != count) list += " ";
  }
  return list;
}

// "," then "\r\n" then tab made spaces, and the pieces counted.
inline std::string CountNumbers(std::string_view text) {
  const std::string normalised =
      ReplaceAll(ReplaceAll(ReplaceAll(text, ",", " "), "\r\n", " "), "\t", " ");
  return std::to_string(Split(normalised, ' ').size());
}

struct Extraction {
  std::string rewritten_input;
  std::string result;
  bool input_missing;
};

// "," and then "\r\n" made spaces; each piece's last two characters, each
// followed by a space, make a tail text that the full set of 00-99 is
// intersected with.
inline Extraction ExtractLastTwo(std::string_view input) {
  const std::string rewritten = ReplaceAll(ReplaceAll(input, ",", " "), "\r\n", " ");
  if (rewritten.empty()) return {rewritten, "", true};
  std::string tails;
  for (const std::string_view piece : Split(rewritten, ' ')) {
    tails += LastTwoOf(piece);
    tails += ' ';
  }
  return {rewritten, KeepListedTwo(MakeFullSet(2), tails), false};
}

}  // namespace shrink::reference
