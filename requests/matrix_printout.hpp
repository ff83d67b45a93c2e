// The printout of an adjacency matrix, as every request shows its tree.
#pragma once

#include <iosfwd>

#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// Writes the matrix as a heading, a line of column numbers and one line of 0s and 1s per row.
void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix);

}  // namespace pruefer
