// Lines of numbers as the printouts write them: each number in plain decimal and a separator.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace pruefer {

// Writes the numbers numberAt(0) to numberAt(count - 1), each followed by `separator`, a few
// kilobytes at a time: a line of a million numbers takes no memory in proportion to its length.
template <typename NumberAt>
void writeNumbers(std::ostream& out, std::size_t count, NumberAt numberAt,
                  std::string_view separator) {
  constexpr std::size_t kChunk = 4096;
  std::string text;
  for (std::size_t k = 0; k < count; ++k) {
    text += std::to_string(numberAt(k));
    text += separator;
    if (text.size() >= kChunk) {
      out << text;
      text.clear();
    }
  }
  out << text;
}

}  // namespace pruefer
