// "提取后三后两位号码": the distinct two-digit tails of a pasted base.
#include "tools/extract_last_two.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "numbers/number_list.h"
#include "tests/filters/list_checks.h"
#include "tests/filters/member_by_member.h"

namespace shrink {
namespace {

using test_support::Below;
using test_support::Rng;

TEST(ExtractLastTwoTest, Results) {
  struct Case {
    const char* name;
    std::string_view input;
    std::string_view rewritten;
    std::string_view result;
    bool input_missing;
  };
  constexpr Case kCases[] = {
      {"mixed separators", "123 456,789\r\n023 5 12345", "123 456 789 023 5 12345", "23 45 56 89",
       false},
      {"one tail", "145 245 345", "145 245 345", "45", false},
      {"only spaces", "   ", "   ", "", false},
      {"empty input", "", "", "", true},
      {"a tab joins two numbers", "12\t345", "12\t345", "45", false},
      {"a tab inside a tail", "34\t5", "34\t5", "", false},
      {"a tab after one digit", "3\t 12", "3\t 12", "12", false},
      {"a lone line feed joins numbers", "12\n34", "12\n34", "34", false},
      {"a lone carriage return stays", "12\r 34", "12\r 34", "34", false},
      {"a full-width space joins numbers", "12\xE3\x80\x80" "34", "12\xE3\x80\x80" "34", "34",
       false},
      {"letters", "1ab 7", "1ab 7", "", false},
      {"commas only", ",,", "  ", "", false},
      {"two-digit input", "99 00 50", "99 00 50", "00 50 99", false},
  };
  for (const Case& c : kCases) {
    const Extraction extraction = ExtractLastTwo(c.input);
    EXPECT_EQ(extraction.rewritten_input, c.rewritten) << c.name;
    EXPECT_EQ(extraction.result, c.result) << c.name;
    EXPECT_EQ(extraction.input_missing, c.input_missing) << c.name;
  }
}

TEST(ExtractLastTwoTest, TakesAnyNumberOfPieces) {
  std::string base;
  for (int copy = 0; copy < 61; ++copy) base += MakeFullSet(3) + "\r\n";
  const Extraction all = ExtractLastTwo(base);
  EXPECT_EQ(all.result, MakeFullSet(2));
  EXPECT_EQ(CountNumbers(all.rewritten_input), "61000");

  std::string same_tail;
  for (int i = 0; i < 70000; ++i) same_tail += "137,";
  EXPECT_EQ(ExtractLastTwo(same_tail).result, "37");
}

// The tails joined into a text and looked up in 00-99, read literally.
std::string ExtractedLiterally(std::string_view input) {
  std::string rewritten = member_by_member::ReplaceAll(std::string(input), ",", " ");
  rewritten = member_by_member::ReplaceAll(rewritten, "\r\n", " ");
  std::string tails;
  for (const std::string& piece : member_by_member::Split(rewritten, ' ')) {
    tails += (piece.size() <= 2 ? piece : piece.substr(piece.size() - 2)) + " ";
  }
  return member_by_member::KeepListedTwo(MakeFullSet(2), tails);
}

TEST(ExtractLastTwoTest, AgreesWithTheTailsLookedUpOneByOne) {
  static constexpr std::string_view kFragments[] = {
      "1", "23", "456", "7890", " ", " ", ",", "\t", "\r\n", "\r", "\n", "\xE3\x80\x80", "a"};
  Rng rng(52);
  for (int round = 0; round < 2000; ++round) {
    std::string input;
    const std::size_t size = Below(rng, 20);
    for (std::size_t i = 0; i < size; ++i) input += kFragments[Below(rng, std::size(kFragments))];
    EXPECT_EQ(ExtractLastTwo(input).result, ExtractedLiterally(input))
        << ::testing::PrintToString(input);
  }
}

}  // namespace
}  // namespace shrink
