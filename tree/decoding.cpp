// Pruefer decoding.
#include "tree/decoding.hpp"

#include <tuple>
#include <utility>

#include "tree/code_facts.hpp"
#include "tree/leaf_pruning.hpp"

namespace pruefer {
namespace {

// Joins in the empty matrix the tree whose code is given, consuming the code and walking in
// `degree`, which holds n + 1 entries; calls seen(leaf, pass, degree) at each step before the
// leaf is used, with the degrees as the step finds them. Returns the edge left over, lower end
// first.
template <typename Seen>
std::pair<Vertex, Vertex> joinTree(AdjacencyMatrix& matrix, CodeArray& code,
                                   std::vector<Vertex>& degree, Seen seen) {
  // A vertex ends with one more edge than it has entries in the code; the entries still to be
  // consumed thus tell its degree in what is left of the tree.
  const Vertex n = matrix.size();
  countDegrees(code, degree);
  // The degrees are the rows' final sizes: laid out whole, in order, no row moves as it fills,
  // and the rows that the walk fills one after another sit close together.
  matrix.reserveRows(degree);
  pruneLowestLeaves(degree, n - 2, [&matrix, &code, &degree, &seen](Vertex leaf, Vertex pass) {
    seen(leaf, pass, std::as_const(degree));
    const Vertex parent = std::exchange(code[static_cast<std::size_t>(pass)], 0);
    matrix.join(leaf, parent);
    return parent;
  });
  // Exactly two vertices are left; the last edge joins them.
  Vertex u = 1;
  while (degree[static_cast<std::size_t>(u)] == 0) {
    ++u;
  }
  Vertex v = u + 1;
  while (degree[static_cast<std::size_t>(v)] == 0) {
    ++v;
  }
  matrix.join(u, v);
  return {u, v};
}

}  // namespace

void findTree(AdjacencyMatrix& matrix, CodeArray& code, WalkSpace& space) {
  joinTree(matrix, code, space.degree, [](Vertex, Vertex, const std::vector<Vertex>&) {});
}

Walk walkDecoding(const CodeArray& code) {
  const auto n = static_cast<Vertex>(code.size());
  AdjacencyMatrix matrix(n);
  CodeArray consumed = code;
  std::vector<Vertex> degree(static_cast<std::size_t>(n) + 1);
  Walk walk;
  const auto record = [&walk, &code](Vertex leaf, Vertex pass, const std::vector<Vertex>& degrees) {
    walk.steps.push_back(
        {verticesOfDegreeOne(degrees), leaf, code[static_cast<std::size_t>(pass)]});
  };
  std::tie(walk.lastLow, walk.lastHigh) = joinTree(matrix, consumed, degree, record);
  return walk;
}

}  // namespace pruefer
