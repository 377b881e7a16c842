// CountNumbers, the count labels and PadZeros: the whole input is one text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"
#include "numbers/count_label.h"
#include "numbers/number_list.h"
#include "numbers/pieces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace shrink;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string count = CountNumbers(text);
  const std::string expected = reference::CountNumbers(text);
  const auto shown = {fuzz::Shown{"text", text}, fuzz::Shown{"count", count},
                      fuzz::Shown{"plain count", expected}};
  if (count != expected || std::to_string(CountPieces(text)) != count) {
    fuzz::Fail("CountNumbers", "differs from counting the pieces after the replacements", shown);
  }
  if (CountLabel(text) != "计" + count + "注" ||
      CountLabelWithColon(text) != "计：" + count + "注") {
    fuzz::Fail("CountLabel", "is not the count between its words", shown);
  }

  // The non-empty pieces joined by single spaces form a list of that many
  // members, with or without the space a bold group leaves after the last.
  const auto pieces = fuzz::PiecesOf<Separators::kTyped>(text);
  std::string list;
  std::size_t members = 0;
  for (const std::string_view piece : pieces) {
    if (piece.empty()) continue;
    if (members++ > 0) list += ' ';
    list += piece;
  }
  if (CountNumbers(list) != std::to_string(members) ||
      (members > 0 && CountNumbers(list + ' ') != std::to_string(members))) {
    fuzz::Fail("CountNumbers", "a list of single-spaced members does not count its members",
               {{"text", text}, {"list", list}});
  }

  for (const int width : {-1, 0, 2, 3, static_cast<int>(size % 8)}) {
    if (PadZeros(text, width) != reference::PadZeros(text, width)) {
      fuzz::Fail("PadZeros", "differs from putting zeros in front one at a time",
                 {{"text", text}, {"width", std::to_string(width)}});
    }
  }
  return 0;
}
