// How a fuzz input becomes texts, and how a fuzz target reports a broken
// property. An input holds its texts one after another, cut at the byte 0x1E
// (the ASCII record separator): nobody pastes it, and no list operation reads
// it as anything but an ordinary byte, so keeping it out of the texts hides
// nothing from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace shrink::fuzz {

inline constexpr char kTextSeparator = '\x1e';

// Every text of the input, in order; an empty input is one empty text.
inline std::vector<std::string_view> TextsOf(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> texts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find(kTextSeparator, start);
    if (end == std::string_view::npos) {
      texts.push_back(input.substr(start));
      return texts;
    }
    texts.push_back(input.substr(start, end - start));
    start = end + 1;
  }
}

// The text at `index`, or the empty text when the input holds fewer.
inline std::string_view TextAt(const std::vector<std::string_view>& texts, std::size_t index) {
  return index < texts.size() ? texts[index] : std::string_view();
}

// A text for a failure report: printable ASCII as is, every other byte as
// \xNN, cut after `limit` bytes so a megabyte list stays readable.
inline std::string Escaped(std::string_view text, std::size_t limit = 300) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown = "\"";
  for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '"' || byte == '\\') {
      shown += '\\';
      shown += static_cast<char>(byte);
    } else if (byte >= 0x20 && byte < 0x7F) {
      shown += static_cast<char>(byte);
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    }
  }
  shown += '"';
  if (text.size() > limit) shown += " ... (" + std::to_string(text.size()) + " bytes)";
  return shown;
}

// One labelled text of a failure report: an input or a result.
struct Shown {
  std::string_view label;
  std::string_view text;
};

// Prints which property of which operation broke, with the texts involved,
// and aborts so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void Fail(std::string_view operation, std::string_view property,
                              std::initializer_list<Shown> texts) {
  std::fprintf(stderr, "\nnumshrink fuzz: %.*s: %.*s\n", static_cast<int>(operation.size()),
               operation.data(), static_cast<int>(property.size()), property.data());
  for (const Shown& shown : texts) {
    std::fprintf(stderr, "  %.*s: %s\n", static_cast<int>(shown.label.size()), shown.label.data(),
                 Escaped(shown.text).c_str());
  }
  std::abort();
}

inline void Require(bool holds, std::string_view operation, std::string_view property,
                    std::initializer_list<Shown> texts) {
  if (!holds) Fail(operation, property, texts);
}

}  // namespace shrink::fuzz
