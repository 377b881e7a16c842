#include "filters/three/digit_conditions.h"

#include "numbers/listed_digits.h"
#include "numbers/member_places.h"

namespace shrink {
namespace {

bool HasBoldDigit(std::string_view member, const ListedDigits& digits) {
  return digits.Has(LastOf(member)) || digits.Has(SecondOf(member)) || digits.Has(FirstOf(member));
}

bool HasHundredsDigit(std::string_view member, const ListedDigits& digits) {
  return digits.Has(FirstOf(member));
}

bool HasTensDigit(std::string_view member, const ListedDigits& digits) {
  return digits.Has(SecondOf(member));
}

bool HasOnesDigit(std::string_view member, const ListedDigits& digits) {
  return digits.Has(LastOf(member));
}

}  // namespace

std::string KeepBoldDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasBoldDigit);
}
std::string DropBoldDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasBoldDigit);
}

std::string KeepHundredsDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasHundredsDigit);
}
std::string DropHundredsDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasHundredsDigit);
}

std::string KeepTensDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasTensDigit);
}
std::string DropTensDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasTensDigit);
}

std::string KeepOnesDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasOnesDigit);
}
std::string DropOnesDigit(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasOnesDigit);
}

}  // namespace shrink
