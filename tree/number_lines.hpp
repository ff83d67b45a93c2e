// Lines of numbers as the printouts write them: each number in plain decimal and a separator.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

namespace pruefer {

// Writes the numbers numberAt(0) to numberAt(count - 1), each followed by `separator`.
template <typename NumberAt>
void writeNumbers(std::ostream& out, std::size_t count, NumberAt numberAt,
                  std::string_view separator) {
  for (std::size_t k = 0; k < count; ++k) {
    out << numberAt(k) << separator;
  }
}

}  // namespace pruefer
