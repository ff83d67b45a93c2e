// Straightforward, slow versions of the decoding and the encoding, which scan the code and the
// rows afresh at every step, over a dense matrix of their own: the fast versions must agree.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer::reference {

// Cells [i][j] for 0 <= i, j <= n; row and column 0 stay unused.
using DenseMatrix = std::vector<std::vector<std::uint8_t>>;

DenseMatrix emptyMatrix(Vertex n);

// The first position of `vertex` in the code array, or -1.
std::ptrdiff_t findInCode(Vertex vertex, const CodeArray& code);

// Decodes by scanning the code for every candidate leaf and for every parent.
void findTree(DenseMatrix& matrix, CodeArray& code);

// Encodes by counting every row on every pass and clearing each leaf's row and column.
// Returns false where the encoding would raise NotATree.
bool findPrueferCode(DenseMatrix& matrix, CodeArray& code);

}  // namespace pruefer::reference
