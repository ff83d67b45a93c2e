// Pruefer decoding: the tree whose code is given.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/walk.hpp"

namespace pruefer {

// The code array of an n-vertex tree: positions 1 to n - 2 hold the code, 0 and n - 1 hold 0.
using CodeArray = std::vector<Vertex>;

// The room the walk of either coding takes on n vertices: each vertex's degree and, for the
// encoding, the XOR of its remaining neighbours. A request makes it before its first prompt, so
// that nothing is allocated once the user has typed.
struct WalkSpace {
  explicit WalkSpace(Vertex n)
      : degree(static_cast<std::size_t>(n) + 1), neighbours(static_cast<std::size_t>(n) + 1) {}
  // The bytes the room for n vertices takes.
  static std::uint64_t bytesNeeded(std::uint64_t n) { return 2 * (n + 1) * sizeof(Vertex); }
  std::vector<Vertex> degree;
  std::vector<Vertex> neighbours;
};

// Joins in the empty matrix the n - 1 edges of the tree whose code is given, and consumes the
// code (every position is 0 afterwards), walking in `space`, made for n vertices. Entries must
// be vertex numbers 1 to n. Runs in O(n).
void findTree(AdjacencyMatrix& matrix, CodeArray& code, WalkSpace& space);

// The decoding's walk over the code of an n-vertex tree (n >= 2): at each step the entry, the
// vertices not yet used that do not appear in the rest of the code, and the lowest of them,
// joined to the entry; then the edge left over. Takes O(n) per step, for showing small trees.
Walk walkDecoding(const CodeArray& code);

}  // namespace pruefer
