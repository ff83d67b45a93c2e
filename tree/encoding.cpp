// Pruefer encoding.
#include "tree/encoding.hpp"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "tree/leaf_pruning.hpp"

namespace pruefer {

namespace {

// Removes the tree's leaves lowest first, as the encoding does, walking in `space`, made for n
// vertices, and calling removed(leaf, parent, step, degree) for each of its n - 2 steps, with
// the degrees as the step finds them. Returns the vertex that is left joined to vertex n, which
// is never removed; none when the graph is no tree.
template <typename Removed>
std::optional<Vertex> removeLowestLeaves(const AdjacencyMatrix& matrix, WalkSpace& space,
                                         Removed removed) {
  const Vertex n = matrix.size();
  // A vertex's degree and the XOR of its remaining neighbours: once it is down to one
  // neighbour, the XOR is that neighbour, with no search of its row.
  std::vector<Vertex>& degree = space.degree;
  std::vector<Vertex>& neighbours = space.neighbours;
  std::fill(degree.begin(), degree.end(), 0);
  std::fill(neighbours.begin(), neighbours.end(), 0);
  for (Vertex v = 1; v <= n; ++v) {
    degree[static_cast<std::size_t>(v)] = static_cast<Vertex>(matrix.ones(v).size());
    for (const Vertex column : matrix.ones(v)) {
      neighbours[static_cast<std::size_t>(v)] ^= column;
    }
  }
  const bool isTree =
      pruneLowestLeaves(degree, n - 2, [&neighbours, &removed, &degree](Vertex leaf, Vertex step) {
        const Vertex parent = neighbours[static_cast<std::size_t>(leaf)];
        neighbours[static_cast<std::size_t>(parent)] ^= leaf;
        removed(leaf, parent, step, std::as_const(degree));
        return parent;
      });
  if (!isTree) {
    return std::nullopt;
  }
  return neighbours[static_cast<std::size_t>(n)];
}

}  // namespace

void findPrueferCode(const AdjacencyMatrix& matrix, CodeArray& code, WalkSpace& space) {
  const auto recordParent = [&code](Vertex, Vertex parent, Vertex step, const auto&) {
    code[static_cast<std::size_t>(step)] = parent;
  };
  if (!removeLowestLeaves(matrix, space, recordParent)) {
    throw NotATree{};
  }
}

Walk walkEncoding(const AdjacencyMatrix& matrix) {
  Walk walk;
  const auto record = [&walk](Vertex leaf, Vertex parent, Vertex, const auto& degree) {
    walk.steps.push_back({verticesOfDegreeOne(degree), leaf, parent});
  };
  WalkSpace space(matrix.size());
  const std::optional<Vertex> last = removeLowestLeaves(matrix, space, record);
  if (!last) {
    throw NotATree{};
  }
  // Vertex n is never removed, so the edge left over joins it to a lower vertex.
  walk.lastLow = *last;
  walk.lastHigh = matrix.size();
  return walk;
}

}  // namespace pruefer
