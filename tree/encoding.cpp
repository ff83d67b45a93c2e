// Pruefer encoding and the tree-to-code request.
#include "tree/encoding.hpp"

#include <ostream>
#include <span>
#include <vector>

#include "tree/edge_entry.hpp"
#include "tree/leaf_pruning.hpp"
#include "tree/number_lines.hpp"
#include "tree/storage.hpp"

namespace pruefer {

void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code) {
  const Vertex n = matrix.size();
  // A vertex's degree and the XOR of its remaining neighbours: once it is down to one
  // neighbour, the XOR is that neighbour, with no search of its row.
  std::vector<Vertex> degree(static_cast<std::size_t>(n) + 1, 0);
  std::vector<Vertex> neighbours(static_cast<std::size_t>(n) + 1, 0);
  for (Vertex v = 1; v <= n; ++v) {
    degree[static_cast<std::size_t>(v)] = matrix.countOnes(v);
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
  writeNumbers(out, std::span(code).subspan(1, code.size() - 2), " ");
  out << ")\n";
}

void requestPrueferCode(Console& console) {
  auto [matrix, code] = makeTreeStorage(enterVertexCount(console), console.budget);
  enterEdges(console, matrix);
  printMatrix(console.out, matrix);
  findPrueferCode(matrix, code);
  printPrueferCode(console.out, code);
}

}  // namespace pruefer
