// Pruefer encoding and the code printout.
#pragma once

#include <iosfwd>
#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Raised by the encoding when the graph it was given is not a tree.
struct NotATree {};

// Fills code positions 1 to n - 2 with the code of the tree in the matrix, which must hold n - 1
// distinct loop-free edges; throws NotATree when they do not form a tree. Runs in O(n).
void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code);

// An edge as the encoding removes it: the leaf, and the vertex it hangs on.
struct RemovedEdge {
  Vertex leaf;
  Vertex parent;
  bool operator==(const RemovedEdge&) const = default;
};

// The n - 1 edges of the tree in the matrix (n >= 2) in the order the encoding removes them,
// the lowest leaf first, and last the edge left over, which joins vertex n; throws NotATree
// when the matrix holds no tree. Runs in O(n).
std::vector<RemovedEdge> findRemovalOrder(const AdjacencyMatrix& matrix);

// Writes code positions 1 to n - 2 as one line.
void printPrueferCode(std::ostream& out, const CodeArray& code);

}  // namespace pruefer
