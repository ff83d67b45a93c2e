// The storage of a request: its matrix and code array, made only where they can be had.
#pragma once

#include <cstdint>

#include "dialogue/memory_budget.hpp"
#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Raised before a request's first prompt for an edge or entry when its tree cannot be held:
// more vertices than can be numbered, or more memory than can be had.
struct TreeTooLarge {
  std::int64_t vertices;
};

// The empty matrix and the code array of zeros that a request on n vertices works on.
struct TreeStorage {
  AdjacencyMatrix matrix;
  CodeArray code;
};

// The most memory a request on n vertices takes, all it creates included.
std::uint64_t bytesForTree(std::uint64_t n);

// Makes the storage for a request on n vertices; throws TreeTooLarge when n is beyond the
// largest vertex number, when the budget cannot cover it, or when allocation fails all the same.
TreeStorage makeTreeStorage(std::int64_t n, const MemoryBudget& budget);

}  // namespace pruefer
