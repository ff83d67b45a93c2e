// The adjacency matrix and its printout.
#include "tree/adjacency_matrix.hpp"

#include <ostream>
#include <string>

namespace pruefer {

AdjacencyMatrix::AdjacencyMatrix(Vertex n) : n_(n), cells_(index(n, n) + 1, 0) {}

std::size_t AdjacencyMatrix::index(Vertex i, Vertex j) const {
  const auto width = static_cast<std::size_t>(n_) + 1;
  return static_cast<std::size_t>(i) * width + static_cast<std::size_t>(j);
}

bool AdjacencyMatrix::get(Vertex i, Vertex j) const { return cells_[index(i, j)] != 0; }

void AdjacencyMatrix::set(Vertex i, Vertex j, bool joined) {
  const std::uint8_t cell = joined ? 1 : 0;
  cells_[index(i, j)] = cell;
  cells_[index(j, i)] = cell;
}

void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix) {
  const Vertex n = matrix.size();
  std::string line = "\nThe tree is given by the following matrix:\n\n    ";
  for (Vertex j = 1; j <= n; ++j) {
    line += std::to_string(j) + "  ";
  }
  line += "\n\n";
  out << line;
  for (Vertex i = 1; i <= n; ++i) {
    line = std::to_string(i) + "   ";
    for (Vertex j = 1; j <= n; ++j) {
      line += matrix.get(i, j) ? "1  " : "0  ";
    }
    line += '\n';
    out << line << std::flush;
  }
  out << '\n' << std::flush;
}

}  // namespace pruefer
