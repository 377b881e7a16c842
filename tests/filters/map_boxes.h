// A form's edit boxes kept in a map, recording every read and write, so a
// run can be driven and watched without a window.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "filters/boxes.h"

namespace shrink::test_support {

class MapBoxes : public Boxes {
 public:
  std::string Text(int box) const override {
    reads.push_back(box);
    const auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }

  void SetText(int box, std::string_view text) override {
    writes.push_back(box);
    texts[box] = std::string(text);
  }

  std::map<int, std::string> texts;
  mutable std::vector<int> reads;
  std::vector<int> writes;
};

}  // namespace shrink::test_support
