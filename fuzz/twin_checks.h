// The checks every keep condition and its drop twin go through, on any list
// and on the full set.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filters/boxes.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/list_properties.h"
#include "fuzz/reference.h"
#include "numbers/pieces.h"

namespace shrink::fuzz {

struct Twins {
  std::string_view name;
  Condition keep;
  Condition drop;
  reference::Operation reference_keep;
  reference::Operation reference_drop;
};

// Checks a keep condition and its drop twin on `list`, which the condition
// cuts into members by `kSeparators`. A `full_set_width` of 2 or 3 says the
// list is MakeFullSet of that width, so both results must be NumberLists.
template <Separators kSeparators>
void CheckTwins(const Twins& twins, std::string_view list, std::string_view condition,
                int full_set_width = 0) {
  const std::string keep = twins.keep(list, condition);
  const std::string drop = twins.drop(list, condition);
  const std::string expected_keep = twins.reference_keep(list, condition);
  const std::string expected_drop = twins.reference_drop(list, condition);
  const auto shown = {
      Shown{"list", list}, Shown{"condition", condition},      Shown{"keep", keep},
      Shown{"drop", drop}, Shown{"plain keep", expected_keep}, Shown{"plain drop", expected_drop}};
  if (keep != expected_keep || drop != expected_drop) {
    Fail(twins.name, "differs from the plain member-by-member scan", shown);
  }
  if (EndsWithSpace(keep) || EndsWithSpace(drop)) {
    Fail(twins.name, "a result ends with a space", shown);
  }
  const std::vector<std::string_view> members = PiecesOf<kSeparators>(list);
  if (HasCleanMembers(members)) {
    if (!SharesOut(members, MembersOf(keep), MembersOf(drop))) {
      Fail(twins.name, "keep and drop do not hold every member once, in order", shown);
    }
    if (StartsWithSpace(keep) || StartsWithSpace(drop)) {
      Fail(twins.name, "a result starts with a space", shown);
    }
  }
  if (full_set_width != 0) {
    RequireNumberList(keep, full_set_width, twins.name, shown);
    RequireNumberList(drop, full_set_width, twins.name, shown);
  }
}

}  // namespace shrink::fuzz
