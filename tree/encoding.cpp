// Pruefer encoding and the code printout.
#include "tree/encoding.hpp"

#include <ostream>
#include <vector>

#include "tree/leaf_pruning.hpp"

namespace pruefer {

void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code) {
  const Vertex n = matrix.size();
  // A vertex's degree and the XOR of its remaining neighbours: once it is down to one
  // neighbour, the XOR is that neighbour, with no search of its row.
  std::vector<Vertex> degree(static_cast<std::size_t>(n) + 1);
  std::vector<Vertex> neighbours(static_cast<std::size_t>(n) + 1);
  for (Vertex v = 1; v <= n; ++v) {
    degree[static_cast<std::size_t>(v)] = static_cast<Vertex>(matrix.ones(v).size());
    for (const Vertex column : matrix.ones(v)) {
      neighbours[static_cast<std::size_t>(v)] ^= column;
    }
  }
  const bool isTree =
      pruneLowestLeaves(degree, n - 2, [&neighbours, &code](Vertex leaf, Vertex pass) {
        const Vertex parent = neighbours[static_cast<std::size_t>(leaf)];
        neighbours[static_cast<std::size_t>(parent)] ^= leaf;
        code[static_cast<std::size_t>(pass)] = parent;
        return parent;
      });
  if (!isTree) {
    throw NotATree{};
  }
}

void printPrueferCode(std::ostream& out, const CodeArray& code) {
  out << "\nThe Pruefer Code is ( ";
  for (std::size_t t = 1; t + 1 < code.size(); ++t) {
    out << code[t] << ' ';
  }
  out << ")\n";
}

}  // namespace pruefer
