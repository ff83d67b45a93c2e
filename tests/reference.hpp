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

// The vertices each step of a walk chose from, step by step.
using Choices = std::vector<std::vector<Vertex>>;

// Decodes by scanning the code for every candidate leaf and for every parent; adds to `free`,
// if given, every candidate of each step.
void findTree(DenseMatrix& matrix, CodeArray& code, Choices* free = nullptr);

// Encodes by counting every row on every pass and clearing each leaf's row and column; adds to
// `leaves`, if given, every leaf of each step. Returns false where the encoding would raise
// NotATree.
bool findPrueferCode(DenseMatrix& matrix, CodeArray& code, Choices* leaves = nullptr);

}  // namespace pruefer::reference
