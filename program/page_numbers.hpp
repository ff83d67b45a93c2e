// What the program hands the web page as plain numbers, each a 32-bit integer: the page's bridge
// reads them back in the same format.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/walk.hpp"

namespace pruefer {

// A walk: for each step its lowest choice, its entry, the number of its choices and the choices;
// then the edge left over, lower end first.
inline std::vector<std::int32_t> numbersOf(const Walk& walk) {
  std::vector<std::int32_t> numbers;
  for (const WalkStep& step : walk.steps) {
    numbers.insert(numbers.end(),
                   {step.lowest, step.entry, static_cast<Vertex>(step.choices.size())});
    numbers.insert(numbers.end(), step.choices.begin(), step.choices.end());
  }
  numbers.insert(numbers.end(), {walk.lastLow, walk.lastHigh});
  return numbers;
}

// A graph's edges: each edge's two ends, lower first, in rising order.
inline std::vector<std::int32_t> numbersOf(const std::vector<Edge>& edges) {
  std::vector<std::int32_t> numbers;
  for (const auto& [u, v] : edges) {
    numbers.insert(numbers.end(), {u, v});
  }
  return numbers;
}

}  // namespace pruefer
