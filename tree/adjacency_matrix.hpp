// The adjacency matrix of a graph on vertices 1 to n, and its printout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace pruefer {

// A vertex number, 1 to n; there is no vertex 0.
using Vertex = std::int32_t;

// The symmetric 0/1 matrix of a loop-free graph; rows and columns are numbered from 1.
class AdjacencyMatrix {
 public:
  // Creates the matrix of n vertices and no edges (n >= 1).
  explicit AdjacencyMatrix(Vertex n);

  // The number of vertices n.
  Vertex size() const { return n_; }

  // Reads cell [i][j]: true when vertices i and j are joined.
  bool get(Vertex i, Vertex j) const;

  // Writes cells [i][j] and [j][i] together, so the matrix stays symmetric.
  void set(Vertex i, Vertex j, bool joined);

 private:
  std::size_t index(Vertex i, Vertex j) const;

  Vertex n_;
  std::vector<std::uint8_t> cells_;
};

// Writes the matrix as a heading, a line of column numbers and one line of 0s and 1s per row.
void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix);

}  // namespace pruefer
