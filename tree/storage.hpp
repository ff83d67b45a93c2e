// The storage of a request: its matrix and code array, made only where they can be had.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Raised before a request's first prompt for an edge or entry when its tree cannot be held;
// what() is the sentence that tells the user why.
class TreeTooLarge : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The empty matrix and the code array of zeros that a request on n vertices works on.
struct TreeStorage {
  AdjacencyMatrix matrix;
  CodeArray code;
};

// The most memory a request on n vertices takes, all it creates included.
std::uint64_t bytesForTree(std::uint64_t n);

// Makes the storage for a request on n vertices when `available` bytes can be had; throws
// TreeTooLarge when n is beyond the largest vertex number, when the storage would take more
// than is available, or when allocation fails all the same.
TreeStorage makeTreeStorage(std::int64_t n, std::uint64_t available);

}  // namespace pruefer
