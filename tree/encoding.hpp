// Pruefer encoding: the code of a tree.
#pragma once

#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"
#include "tree/walk.hpp"

namespace pruefer {

// Raised by the encoding when the graph it was given is not a tree.
struct NotATree {};

// Fills code positions 1 to n - 2 with the code of the tree in the matrix, which must hold n - 1
// distinct loop-free edges, walking in `space`, made for n vertices; throws NotATree when they
// do not form a tree. Runs in O(n).
void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code, WalkSpace& space);

// The encoding's walk over the tree in the matrix (n >= 2): at each step the leaves, the lowest
// of them and the number written down, then the edge left over, which joins vertex n; throws
// NotATree when the matrix holds no tree. Takes O(n) per step, for showing small trees.
Walk walkEncoding(const AdjacencyMatrix& matrix);

}  // namespace pruefer
