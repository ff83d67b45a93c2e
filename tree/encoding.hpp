// Pruefer encoding and the code printout.
#pragma once

#include <iosfwd>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Raised by the encoding when the graph it was given is not a tree.
struct NotATree {};

// Fills code positions 1 to n - 2 with the code of the tree in the matrix, which must hold n - 1
// distinct loop-free edges; throws NotATree when they do not form a tree. Runs in O(n).
void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code);

// Writes code positions 1 to n - 2 as one line.
void printPrueferCode(std::ostream& out, const CodeArray& code);

}  // namespace pruefer
