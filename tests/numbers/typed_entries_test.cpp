// Exact-text lookups in a typed list: numbers of the width go to a table,
// every other entry (empty, short, long, not digits) is still found as text.
#include "numbers/typed_entries.h"

#include <gtest/gtest.h>

#include <string_view>

namespace shrink {
namespace {

TEST(TypedEntriesTest, FindsEntriesAsExactText) {
  struct Case {
    const char* name;
    std::string_view typed;
    int width;
    std::string_view key;
    bool contains;
  };
  constexpr Case kCases[] = {
      {"listed number", "123 456", 3, "456", true},
      {"unlisted number", "123 456", 3, "789", false},
      {"lowest and highest", "000,999", 3, "999", true},
      {"lowest", "000,999", 3, "000", true},
      {"no leading zeros", "7", 3, "007", false},
      {"too many zeros", "0012", 3, "012", false},
      {"key without zeros", "007", 3, "7", false},
      {"short entry equals short key", "12 345", 3, "12", true},
      {"long entry equals long key", "12345", 3, "12345", true},
      {"two-digit code", "05", 2, "05", true},
      {"three digits are no code", "005", 2, "05", false},
      {"code in a three-digit table", "05", 3, "05", true},
      {"every separator", "1\t22,333\r\n44 5", 2, "44", true},
      {"after a tab", "1\t22,333\r\n44 5", 3, "333", true},
      {"lone line feed joins entries", "123\n456", 3, "123", false},
      {"lone line feed entry", "123\n456", 3, "123\n456", true},
      {"double separator gives an empty entry", "123, 456", 3, "", true},
      {"single separators give none", "123 456", 3, "", false},
      {"trailing separator gives none", "123 ", 3, "", false},
      {"only a line break", "\r\n", 2, "", true},
      {"empty text", "", 3, "", false},
      {"full-width digits", "\xEF\xBC\x90\xEF\xBC\x95", 2, "05", false},
      {"letters", "ab 1a", 2, "1a", true},
  };
  for (const Case& c : kCases) {
    const TypedEntries entries(c.typed, c.width);
    EXPECT_EQ(entries.Contains(c.key), c.contains) << c.name;
    // The first lookup of a non-number builds a second index; a repeat must agree.
    EXPECT_EQ(entries.Contains(c.key), c.contains) << c.name << " (again)";
  }
}

TEST(TypedEntriesTest, NumberAndOtherLookupsMixFreely) {
  const TypedEntries entries("12 012 0012", 3);
  EXPECT_FALSE(entries.Contains("112"));
  EXPECT_TRUE(entries.Contains("0012"));
  EXPECT_TRUE(entries.Contains("012"));
  EXPECT_TRUE(entries.Contains("12"));
  EXPECT_FALSE(entries.Contains("2"));
}

}  // namespace
}  // namespace shrink
