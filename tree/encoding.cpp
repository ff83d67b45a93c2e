// Pruefer encoding and the tree-to-code request.
#include "tree/encoding.hpp"

#include <ostream>
#include <string>

#include "tree/edge_entry.hpp"

namespace pruefer {
namespace {

// The lowest vertex with exactly one neighbour, and that neighbour; {0, 0} when there is none.
std::pair<Vertex, Vertex> lowestLeaf(const AdjacencyMatrix& matrix) {
  const Vertex n = matrix.size();
  for (Vertex i = 1; i <= n; ++i) {
    int ones = 0;
    Vertex neighbour = 0;
    for (Vertex j = 1; j <= n; ++j) {
      if (matrix.get(i, j)) {
        ++ones;
        neighbour = j;
      }
    }
    if (ones == 1) {
      return {i, neighbour};
    }
  }
  return {0, 0};
}

}  // namespace

void findPrueferCode(AdjacencyMatrix& matrix, CodeArray& code) {
  const Vertex n = matrix.size();
  for (Vertex pass = 1; pass <= n - 2; ++pass) {
    const auto [leaf, neighbour] = lowestLeaf(matrix);
    if (leaf == 0) {
      throw NotATree{};
    }
    code[static_cast<std::size_t>(pass)] = neighbour;
    for (Vertex j = 1; j <= n; ++j) {
      matrix.set(leaf, j, false);
    }
  }
}

void printPrueferCode(std::ostream& out, const CodeArray& code) {
  std::string line = "\nThe Pruefer Code is ( ";
  for (std::size_t t = 1; t + 1 < code.size(); ++t) {
    line += std::to_string(code[t]) + ' ';
  }
  line += ")\n";
  out << line;
}

void requestPrueferCode(Console& console) {
  const Vertex n = enterVertexCount(console);
  AdjacencyMatrix matrix(n);
  CodeArray code(static_cast<std::size_t>(n), 0);
  enterEdges(console, matrix);
  printMatrix(console.out, matrix);
  findPrueferCode(matrix, code);
  printPrueferCode(console.out, code);
}

}  // namespace pruefer
