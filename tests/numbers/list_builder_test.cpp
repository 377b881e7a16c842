// Joining a result: one space after each kept member, then the trailing run
// of ASCII and full-width spaces removed (the bold group keeps its space).
#include "numbers/list_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace shrink {
namespace {

TEST(ListBuilderTest, TrimsTrailingAsciiAndFullWidthSpacesOnly) {
  struct Case {
    const char* name;
    std::array<std::string_view, 3> members;
    std::size_t count;
    std::string_view finished;
    std::string_view kept_space;
  };
  constexpr Case kCases[] = {
      {"nothing kept", {}, 0, "", ""},
      {"two members", {"000", "001"}, 2, "000 001", "000 001 "},
      {"empty last member", {"000", ""}, 2, "000", "000  "},
      {"only empty members", {"", ""}, 2, "", "  "},
      {"full-width space last", {"000", "\xE3\x80\x80"}, 2, "000", "000 \xE3\x80\x80 "},
      {"mixed run at the end", {"000", "1\xE3\x80\x80 \xE3\x80\x80"}, 2, "000 1",
       "000 1\xE3\x80\x80 \xE3\x80\x80 "},
      {"inner full-width space stays", {"\xE3\x80\x80", "1"}, 2, "\xE3\x80\x80 1",
       "\xE3\x80\x80 1 "},
      {"part of a full-width space stays", {"1\xE3\x80"}, 1, "1\xE3\x80", "1\xE3\x80 "},
  };
  for (const Case& c : kCases) {
    ListBuilder trimmed(16);
    ListBuilder kept(16);
    for (std::size_t i = 0; i < c.count; ++i) {
      trimmed.Add(c.members[i]);
      kept.Add(c.members[i]);
    }
    EXPECT_EQ(std::move(trimmed).Finish(), c.finished) << c.name;
    EXPECT_EQ(std::move(kept).FinishKeepingTrailingSpace(), c.kept_space) << c.name;
  }
}

}  // namespace
}  // namespace shrink
