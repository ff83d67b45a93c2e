// Removing a tree's leaves one by one, always the lowest-numbered one first: the walk that both
// the encoding and the decoding make.
#pragma once

#include <vector>

#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// Makes `passes` passes over the vertices 1 to n whose degrees are given (slot 0 unused). Each
// pass takes the lowest vertex of degree 1 as the leaf, asks `parentOf(leaf, pass)` for the
// vertex it hangs on, and removes the leaf, lowering its parent's degree. Returns false as soon
// as a pass finds no leaf. Runs in O(n + passes).
template <typename ParentOf>
bool pruneLowestLeaves(std::vector<Vertex>& degree, Vertex passes, ParentOf parentOf) {
  const auto n = static_cast<Vertex>(degree.size() - 1);
  // Every vertex below `next` has a degree other than 1, except a parent just brought down to 1,
  // which is then the lowest leaf and taken at once.
  Vertex next{};  // slot 0 is never of degree 1, so the scan may start there
  const auto advance = [&degree, &next, n] {
    while (next <= n && degree[static_cast<std::size_t>(next)] != 1) {
      ++next;
    }
    return next;
  };
  Vertex leaf = advance();
  for (Vertex pass = 1; pass <= passes; ++pass) {
    if (leaf > n) {
      return false;
    }
    const Vertex parent = parentOf(leaf, pass);
    degree[static_cast<std::size_t>(leaf)] = 0;
    const Vertex left = --degree[static_cast<std::size_t>(parent)];
    leaf = left == 1 && parent < next ? parent : advance();
  }
  return true;
}

}  // namespace pruefer
