#include "filters/three/sum_span_conditions.h"

#include <algorithm>

#include "numbers/listed_digits.h"
#include "numbers/member_places.h"

namespace shrink {
namespace {

bool HasListedSumTail(std::string_view member, const ListedDigits& digits) {
  return digits.HasValue(SumTailOf(member));
}

bool HasListedSpan(std::string_view member, const ListedDigits& digits) {
  return digits.HasValue(SpanOf(member));
}

}  // namespace

int SpanOf(std::string_view number) {
  if (number.empty()) return 0;
  int smallest = 9;
  int largest = 0;
  for (const char c : number) {
    smallest = std::min(smallest, DigitValue(c));
    largest = std::max(largest, DigitValue(c));
  }
  return largest - smallest;
}

std::string KeepSumTail(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedSumTail);
}
std::string DropSumTail(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedSumTail);
}

std::string KeepSpan(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kMatching, HasListedSpan);
}
std::string DropSpan(std::string_view list, std::string_view condition) {
  return FilterByListedDigits(list, condition, Take::kNotMatching, HasListedSpan);
}

}  // namespace shrink
