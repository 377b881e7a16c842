#include "bench/bench_inputs.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "numbers/number_list.h"

namespace shrink::bench {
namespace {

// std::mt19937 is the same sequence everywhere; the distributions of <random>
// are not, so draws are mapped by hand.
std::size_t Draw(std::mt19937& random, std::size_t bound) { return random() % bound; }

// A separator as pastes mix them: 85% spaces, 8% line ends, 5% commas, 2% tabs.
std::string_view DrawSeparator(std::mt19937& random) {
  const std::size_t roll = Draw(random, 100);
  if (roll < 85) return " ";
  if (roll < 93) return "\r\n";
  if (roll < 98) return ",";
  return "\t";
}

// The base pasted into box 42, built once: every benchmark fills its boxes afresh.
const std::string& RunBase() {
  static const std::string base = MakeTypedBase(3, 50'000, 700, 42);
  return base;
}

}  // namespace

std::string MakeTypedBase(int width, std::size_t entries, int listed, unsigned seed) {
  std::mt19937 random(seed);
  int count = 1;
  for (int i = 0; i < width; ++i) count *= 10;
  std::vector<int> numbers(static_cast<std::size_t>(count));
  std::iota(numbers.begin(), numbers.end(), 0);
  for (std::size_t i = numbers.size() - 1; i > 0; --i) {
    std::swap(numbers[i], numbers[Draw(random, i + 1)]);
  }
  numbers.resize(static_cast<std::size_t>(std::clamp(listed, 1, count)));

  std::string typed;
  typed.reserve(entries * static_cast<std::size_t>(width + 2));
  for (std::size_t i = 0; i < entries; ++i) {
    if (i > 0) typed += DrawSeparator(random);
    typed += PadZeros(std::to_string(numbers[Draw(random, numbers.size())]), width);
  }
  return typed;
}

const std::string& BigTypedBase(int width, int listed) {
  static std::map<std::pair<int, int>, std::string> bases;
  auto [it, added] = bases.try_emplace({width, listed});
  if (added) it->second = MakeTypedBase(width, kBigBaseEntries, listed, 2024u + width + listed);
  return it->second;
}

std::string MapBoxes::Text(int box) const {
  const auto it = texts_.find(box);
  return it == texts_.end() ? std::string() : it->second;
}

void MapBoxes::SetText(int box, std::string_view text) { texts_[box] = std::string(text); }

MapBoxes FilledLastThreeBoxes() {
  return MapBoxes({
      {1, "0 1 2 3 4 5 6 7 8"},   // 定胆码
      {2, "9"},                   // 通杀码
      {3, "1234567 8"},           // 定百位
      {4, "8"},                   // 杀百位
      {5, "1,2,3,4,5,6,7,0"},     // 定十位
      {6, "7"},                   // 杀十位
      {7, "0-1-2-3-4-5-6"},       // 定个位
      {8, "6"},                   // 杀个位
      {9, "012345678"},           // 定合尾
      {10, "3"},                  // 杀合尾
      {11, "1 2 3 4 5 6"},        // 定跨度
      {12, "6"},                  // 杀跨度
      {13, "1 2 3 4 5 6 7 8"},    // 定两码合
      {14, "9"},                  // 杀两码合
      {15, "0 1 2 3"},            // 定两码差
      {16, "0 1 2 3 4 5 6"},      // 保留合差
      {17, "6"},                  // 杀两码差
      {18, " "},                  // 删除合差: a pasted space lists nothing
      {35, "123456=123"},         // ①
      {36, "0246=012"},           // ②
      {37, "135=0123"},           // ③
      {38, "05=012"},             // ④
      {39, "16=012"},             // ⑤
      {40, "27=012"},             // ⑥
      {41, "01 02 03 04 05 11 12 13 14 15 21 22 23 24 25 31 32 33 34 35 41 42 43 44 45 "
           "51 52 53 54 55 61 62 63 64 65 71 72 73 74 75 81 82 83 84 85 91 92 93 94 95"},
      {42, RunBase()},                                             // 保留直选大底
      {43, "012\r\n123\r\n234\r\n345\r\n456\r\n013\r\n024\r\n135"},  // 删除直选大底
      {44, "01,02,03,04,05,10,12,13,14,15,20,21,23,24,25,30,31,32,34,35,"
           "40,41,42,43,45,50,51,52,53,54,60,61,62,63,64,65"},  // 保留后三两码
      {45, "00 11 22 33 44"},                                     // 删除后三两码
  });
}

MapBoxes FilledLastTwoBoxes() {
  return MapBoxes({
      {19, "0 1 2 3 4 5 6 7 8"},  // 保留胆码
      {20, "9"},                  // 删除胆码
      {21, "0123456"},            // 保留十位
      {22, "7"},                  // 删除十位
      {23, "1 2 3 4 5 6 7 8"},    // 定个位
      {24, "0"},                  // 杀个位
      {25, "0123456789"},         // 保留合尾
      {26, "5"},                  // 删除合尾
      {27, "1 2 3 4 5 6 7"},      // 保留跨度
      {28, "7"},                  // 删除跨度
      {29, "01 02 03 04 05 06 12 13 14 15 16 21 23 24 25 26 31 32 34 35 36 "
           "41 42 43 45 46 51 52 53 54 56 61 62 63 64 65"},  // 保留直选单式
      {30, "12\r\n21"},                                      // 删除直选单式
      {31, "13,14,15,16,24,25,26,34,35,36,45,46,56"},        // 保留组选单式
      {32, "16\t61"},                                        // 删除组选单式
  });
}

}  // namespace shrink::bench
