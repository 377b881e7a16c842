// Digit and place conditions of both panels: the condition text, then the
// list. An input of the condition alone goes against both full sets.
#include <cstddef>
#include <cstdint>
#include <string>

#include "filters/three/digit_conditions.h"
#include "filters/two/two_digit_conditions.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/twin_checks.h"
#include "numbers/number_list.h"

namespace {

using namespace shrink;
using fuzz::Twins;

constexpr Twins kLastThreeTwins[] = {
    {"KeepBoldDigit/DropBoldDigit", KeepBoldDigit, DropBoldDigit, reference::KeepBoldDigit,
     reference::DropBoldDigit},
    {"KeepHundredsDigit/DropHundredsDigit", KeepHundredsDigit, DropHundredsDigit,
     reference::KeepHundredsDigit, reference::DropHundredsDigit},
    {"KeepTensDigit/DropTensDigit", KeepTensDigit, DropTensDigit, reference::KeepTensDigit,
     reference::DropTensDigit},
    {"KeepOnesDigit/DropOnesDigit", KeepOnesDigit, DropOnesDigit, reference::KeepOnesDigit,
     reference::DropOnesDigit},
};

// The last-two panel shares the ones-digit pair with the last-three panel.
constexpr Twins kLastTwoTwins[] = {
    {"KeepBoldTwo/DropBoldTwo", KeepBoldTwo, DropBoldTwo, reference::KeepBoldTwo,
     reference::DropBoldTwo},
    {"KeepTensTwo/DropTensTwo", KeepTensTwo, DropTensTwo, reference::KeepTensTwo,
     reference::DropTensTwo},
    {"KeepOnesDigit/DropOnesDigit", KeepOnesDigit, DropOnesDigit, reference::KeepOnesDigit,
     reference::DropOnesDigit},
    {"KeepSumTailTwo/DropSumTailTwo", KeepSumTailTwo, DropSumTailTwo, reference::KeepSumTailTwo,
     reference::DropSumTailTwo},
    {"KeepSpanTwo/DropSpanTwo", KeepSpanTwo, DropSpanTwo, reference::KeepSpanTwo,
     reference::DropSpanTwo},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string full_three = MakeFullSet(3);
  static const std::string full_two = MakeFullSet(2);
  const auto texts = fuzz::TextsOf(data, size);
  const auto condition = fuzz::TextAt(texts, 0);
  if (texts.size() > 1) {
    for (const Twins& twins : kLastThreeTwins) {
      fuzz::CheckTwins<Separators::kSpaces>(twins, texts[1], condition);
    }
    for (const Twins& twins : kLastTwoTwins) {
      fuzz::CheckTwins<Separators::kSpaces>(twins, texts[1], condition);
    }
    return 0;
  }
  for (const Twins& twins : kLastThreeTwins) {
    fuzz::CheckTwins<Separators::kSpaces>(twins, full_three, condition, 3);
  }
  for (const Twins& twins : kLastTwoTwins) {
    fuzz::CheckTwins<Separators::kSpaces>(twins, full_two, condition, 2);
  }
  return 0;
}
