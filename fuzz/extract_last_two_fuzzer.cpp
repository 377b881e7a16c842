// The extraction of distinct last two digits: the whole input is the text of
// the last-three input box.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"
#include "numbers/number_list.h"
#include "tools/extract_last_two.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace shrink;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const Extraction extraction = ExtractLastTwo(input);
  const reference::Extraction expected = reference::ExtractLastTwo(input);
  const auto shown = {fuzz::Shown{"input", input},
                      fuzz::Shown{"rewritten", extraction.rewritten_input},
                      fuzz::Shown{"result", extraction.result},
                      fuzz::Shown{"plain rewritten", expected.rewritten_input},
                      fuzz::Shown{"plain result", expected.result}};
  if (extraction.rewritten_input != expected.rewritten_input ||
      extraction.result != expected.result || extraction.input_missing != expected.input_missing) {
    fuzz::Fail("ExtractLastTwo", "differs from the tail text intersected with 00-99", shown);
  }
  if (extraction.input_missing != input.empty()) {
    fuzz::Fail("ExtractLastTwo", "asks for a base although one was given, or not when none was",
               shown);
  }
  // The box's count label must not move when the window writes the text back.
  if (CountNumbers(extraction.rewritten_input) != CountNumbers(input)) {
    fuzz::Fail("ExtractLastTwo", "rewriting the input changed its count", shown);
  }
  if (extraction.rewritten_input.find(',') != std::string::npos ||
      extraction.rewritten_input.find("\r\n") != std::string::npos) {
    fuzz::Fail("ExtractLastTwo", "the rewritten input still holds a comma or a line break", shown);
  }
  fuzz::RequireNumberList(extraction.result, 2, "ExtractLastTwo", shown);
  return 0;
}
