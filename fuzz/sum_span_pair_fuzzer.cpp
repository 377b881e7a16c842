// Sum-tail, span and two-code conditions, and SpanOf: the condition text,
// then the list. An input of the condition alone goes against the full set.
#include <cstddef>
#include <cstdint>
#include <string>

#include "filters/three/pair_conditions.h"
#include "filters/three/sum_span_conditions.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/twin_checks.h"
#include "numbers/number_list.h"

namespace {

using namespace shrink;
using fuzz::Twins;

constexpr Twins kTwins[] = {
    {"KeepSumTail/DropSumTail", KeepSumTail, DropSumTail, reference::KeepSumTail,
     reference::DropSumTail},
    {"KeepSpan/DropSpan", KeepSpan, DropSpan, reference::KeepSpan, reference::DropSpan},
    {"KeepPairSum/DropPairSum", KeepPairSum, DropPairSum, reference::KeepPairSum,
     reference::DropPairSum},
    {"KeepPairDiff/DropPairDiff", KeepPairDiff, DropPairDiff, reference::KeepPairDiff,
     reference::DropPairDiff},
    {"KeepPairSumOrDiff/DropPairSumOrDiff", KeepPairSumOrDiff, DropPairSumOrDiff,
     reference::KeepPairSumOrDiff, reference::DropPairSumOrDiff},
};

void CheckSpanOf(std::string_view text) {
  const int span = SpanOf(text);
  fuzz::Require(span == reference::SpanOf(text) && span >= 0 && span <= 9, "SpanOf",
                "differs from sorting the digit values", {{"text", text}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string full_three = MakeFullSet(3);
  const auto texts = fuzz::TextsOf(data, size);
  const auto condition = fuzz::TextAt(texts, 0);
  CheckSpanOf(condition);
  if (texts.size() > 1) {
    CheckSpanOf(texts[1]);
    for (const Twins& twins : kTwins) {
      fuzz::CheckTwins<Separators::kSpaces>(twins, texts[1], condition);
    }
    return 0;
  }
  for (const Twins& twins : kTwins) {
    fuzz::CheckTwins<Separators::kSpaces>(twins, full_three, condition, 3);
  }
  return 0;
}
