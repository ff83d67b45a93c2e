// Pruefer decoding: the tree whose code is given.
#pragma once

#include <cstddef>
#include <vector>

#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// The code array of an n-vertex tree: positions 1 to n - 2 hold the code, 0 and n - 1 hold 0.
using CodeArray = std::vector<Vertex>;

// The first position whose entry is `vertex`, or -1 when there is none.
std::ptrdiff_t findInCode(Vertex vertex, const CodeArray& code);

// Joins in the empty matrix the n - 1 edges of the tree whose code is given; consumes the code.
void findTree(AdjacencyMatrix& matrix, CodeArray& code);

}  // namespace pruefer
