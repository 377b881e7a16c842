// The count texts written beside a result.
#include "numbers/count_label.h"

#include <gtest/gtest.h>

#include <string_view>

#include "numbers/number_list.h"

namespace shrink {
namespace {

TEST(CountLabelTest, WrapsTheCountOfTheText) {
  struct Case {
    const char* name;
    std::string_view list;
    std::string_view label;
    std::string_view label_with_colon;
  };
  constexpr Case kCases[] = {
      {"empty list", "", "计0注", "计：0注"},
      {"bold group output", "000 001 ", "计2注", "计：2注"},
      {"typed with comma", "123,456", "计2注", "计：2注"},
      {"comma and space make an empty piece", "123, 456", "计3注", "计：3注"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(CountLabel(c.list), c.label) << c.name;
    EXPECT_EQ(CountLabelWithColon(c.list), c.label_with_colon) << c.name;
  }
  EXPECT_EQ(CountLabel(MakeFullSet(3)), "计1000注");
}

}  // namespace
}  // namespace shrink
