#include "filters/two/two_digit_conditions.h"

#include <cstdlib>

#include "numbers/listed_digits.h"
#include "numbers/member_places.h"

namespace shrink {
namespace {

bool HasBoldDigitTwo(std::string_view member, const ListedDigits& digits) {
  return digits.Has(LastOf(member)) || digits.Has(FirstOf(member));
}

bool HasListedTens(std::string_view member, const ListedDigits& digits) {
  return digits.Has(FirstOf(member));
}

bool HasListedSumTailTwo(std::string_view member, const ListedDigits& digits) {
  return digits.HasValue((DigitValue(FirstOf(member)) + DigitValue(LastOf(member))) % 10);
}

bool HasListedSpanTwo(std::string_view member, const ListedDigits& digits) {
  return digits.HasValue(std::abs(DigitValue(LastOf(member)) - DigitValue(FirstOf(member))));
}

}  // namespace

std::string KeepBoldTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasBoldDigitTwo);
}
std::string DropBoldTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasBoldDigitTwo);
}

std::string KeepTensTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedTens);
}
std::string DropTensTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedTens);
}

std::string KeepSumTailTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedSumTailTwo);
}
std::string DropSumTailTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedSumTailTwo);
}

std::string KeepSpanTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedSpanTwo);
}
std::string DropSpanTwo(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedSpanTwo);
}

}  // namespace shrink
