#include "filters/three/pair_conditions.h"

#include <cstdlib>

#include "numbers/listed_digits.h"
#include "numbers/member_places.h"

namespace shrink {
namespace {

// The pairs hundreds-tens, tens-ones, hundreds-ones of a member.
struct Pair {
  int a;
  int b;
};

bool AnyPair(std::string_view member, auto&& listed) {
  const int hundreds = DigitValue(FirstOf(member));
  const int tens = DigitValue(SecondOf(member));
  const int ones = DigitValue(LastOf(member));
  for (const Pair pair : {Pair{hundreds, tens}, Pair{tens, ones}, Pair{hundreds, ones}}) {
    if (listed(pair)) return true;
  }
  return false;
}

bool HasListedPairSum(std::string_view member, const ListedDigits& digits) {
  return AnyPair(member, [&](Pair p) { return digits.HasValue((p.a + p.b) % 10); });
}

bool HasListedPairDiff(std::string_view member, const ListedDigits& digits) {
  return AnyPair(member, [&](Pair p) { return digits.HasValue(std::abs(p.a - p.b)); });
}

// The six values pooled: any listed sum tail or difference of any pair.
bool HasListedPairSumOrDiff(std::string_view member, const ListedDigits& digits) {
  return HasListedPairSum(member, digits) || HasListedPairDiff(member, digits);
}

}  // namespace

std::string KeepPairSum(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedPairSum);
}
std::string DropPairSum(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedPairSum);
}

std::string KeepPairDiff(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedPairDiff);
}
std::string DropPairDiff(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedPairDiff);
}

std::string KeepPairSumOrDiff(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedPairSumOrDiff);
}
std::string DropPairSumOrDiff(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedPairSumOrDiff);
}

}  // namespace shrink
