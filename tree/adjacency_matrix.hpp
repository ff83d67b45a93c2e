// The adjacency matrix of a graph on vertices 1 to n.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pruefer {

// A vertex number, 1 to n; there is no vertex 0.
using Vertex = std::int32_t;

// The symmetric 0/1 matrix of a loop-free graph; rows and columns are numbered from 1.
//
// A row is stored as the list of its columns that hold 1, so the matrix takes memory in
// proportion to n plus the number of edges. Rows are slices of one arena, created whole with
// room for a tree's edges and for all the moves of rows that grow one edge at a time.
class AdjacencyMatrix {
 public:
  // Creates the matrix of n >= 1 vertices and no edges, with room for the n - 1 edges of a tree.
  explicit AdjacencyMatrix(Vertex n);

  // The number of vertices n.
  Vertex size() const { return n_; }

  // Sets cells [i][j] and [j][i] of two distinct vertices not joined yet.
  void join(Vertex i, Vertex j);

  // Lays out every row of the empty matrix with room for exactly sizes[v] ones in row v (slot 0
  // unused), side by side in vertex order; a graph whose degrees are known before its first join
  // is then built without moving any row.
  void reserveRows(std::span<const Vertex> sizes);

  // The columns of row i that hold 1, in the order they were joined; valid until the next join.
  std::span<const Vertex> ones(Vertex i) const {
    const Row& row = rows_[index(i)];
    return {arena_.data() + row.start, index(row.size)};
  }

  // The bytes a matrix of n vertices holding a tree takes at most, its printout included.
  static std::uint64_t bytesNeeded(std::uint64_t n);

  // Room for one line of the printout, made with the matrix so that printing it allocates
  // nothing.
  std::string& printLine() const { return printLine_; }

 private:
  struct Row {
    std::size_t start{};  // where the row's columns begin in the arena
    Vertex size{};
    Vertex capacity{};
  };
  static std::size_t index(Vertex v) { return static_cast<std::size_t>(v); }
  void append(Vertex i, Vertex column);
  void grow(Row& row);
  std::size_t take(std::size_t entries);

  Vertex n_;
  std::vector<Row> rows_;
  // All rows' columns; a row is a slice of it, and arena_[0, used_) has been handed out.
  std::vector<Vertex> arena_;
  std::size_t used_{};
  mutable std::string printLine_;
};

// An edge as its two ends, lower first.
using Edge = std::pair<Vertex, Vertex>;

// The edges of the matrix, lower end first, row by row: in rising order.
std::vector<Edge> edgesOf(const AdjacencyMatrix& matrix);

}  // namespace pruefer
