// The storage of a request: everything it works in, made before its first prompt and only where
// it can be had.
#pragma once

#include <cstdint>
#include <optional>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"
#include "tree/edge_set.hpp"
#include "tree/walk.hpp"

namespace pruefer {

// Raised before a request's first prompt for an edge or entry when its tree of `vertices`
// vertices cannot be held: beyond the largest vertex number, or beyond the memory available.
struct TreeTooLarge {
  enum class Shortage { numbers, memory };
  std::int64_t vertices;
  Shortage shortage;
};

// All that a request on n vertices works in: the empty matrix (with room for its printout), the
// code array of zeros, the room of the coding's walk and, for the encoding of a typed tree, the
// set of the edges typed.
struct TreeStorage {
  AdjacencyMatrix matrix;
  CodeArray code;
  WalkSpace space;
  std::optional<EdgeSet> typed;
};

// The most memory a request on n vertices takes, all it creates included.
std::uint64_t bytesForTree(std::uint64_t n);

// Makes the storage for a request of `coding` on n vertices when `available` bytes can be had;
// throws TreeTooLarge when n is beyond the largest vertex number, when the storage would take
// more than is available, or when allocation fails all the same.
TreeStorage makeTreeStorage(std::int64_t n, std::uint64_t available, Coding coding);

}  // namespace pruefer
