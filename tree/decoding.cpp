// Pruefer decoding.
#include "tree/decoding.hpp"

#include <utility>

#include "tree/leaf_pruning.hpp"

namespace pruefer {

void findTree(AdjacencyMatrix& matrix, CodeArray& code) {
  const Vertex n = matrix.size();
  // A vertex ends with one more edge than it has entries in the code; the entries still to be
  // consumed thus tell its degree in what is left of the tree.
  // (The two zeros that frame the code count for the slot 0, which is never read.)
  std::vector<Vertex> degree(static_cast<std::size_t>(n) + 1, 1);
  for (const Vertex entry : code) {
    ++degree[static_cast<std::size_t>(entry)];
  }
  // The degrees are the rows' final sizes: laid out whole, in order, no row moves as it fills,
  // and the rows that the walk fills one after another sit close together.
  matrix.reserveRows(degree);
  pruneLowestLeaves(degree, n - 2, [&matrix, &code](Vertex leaf, Vertex pass) {
    const Vertex parent = std::exchange(code[static_cast<std::size_t>(pass)], 0);
    matrix.join(leaf, parent);
    return parent;
  });
  // Exactly two vertices are left; the last edge joins them.
  Vertex u = 1;
  while (degree[static_cast<std::size_t>(u)] == 0) {
    ++u;
  }
  Vertex v = u + 1;
  while (degree[static_cast<std::size_t>(v)] == 0) {
    ++v;
  }
  matrix.join(u, v);
}

}  // namespace pruefer
