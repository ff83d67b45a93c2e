// Helpers shared by the unit tests.
#pragma once

#include <sstream>
#include <utility>
#include <vector>

#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer::testing {

using Edge = std::pair<Vertex, Vertex>;

// An output buffer that records every flush as a "|" in its text.
class FlushMarkingBuffer : public std::stringbuf {
 protected:
  int sync() override {
    sputn("|", 1);
    return 0;
  }
};

// The edges of the matrix, each as (lower, higher), in rising order.
inline std::vector<Edge> edgesOf(const AdjacencyMatrix& matrix) {
  std::vector<Edge> edges;
  for (Vertex i = 1; i <= matrix.size(); ++i) {
    for (Vertex j = i + 1; j <= matrix.size(); ++j) {
      if (matrix.get(i, j)) {
        edges.emplace_back(i, j);
      }
    }
  }
  return edges;
}

// The matrix of n vertices holding the given edges.
inline AdjacencyMatrix matrixOf(Vertex n, const std::vector<Edge>& edges) {
  AdjacencyMatrix matrix(n);
  for (const auto& [a, b] : edges) {
    matrix.set(a, b, true);
  }
  return matrix;
}

// The code array of the tree on entries.size() + 2 vertices: the entries framed by two zeros.
inline CodeArray codeArrayOf(const std::vector<Vertex>& entries) {
  CodeArray code{0};
  code.insert(code.end(), entries.begin(), entries.end());
  code.push_back(0);
  return code;
}

}  // namespace pruefer::testing
