// The adjacency matrix.
#include "tree/adjacency_matrix.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

namespace pruefer {
namespace {

// A row that doubles its capacity from 1 has taken fewer than 4 entries per column in all, and
// each edge is a column of two rows, so 8 entries per edge of a tree, n - 1 of them, are
// enough for every row. Needs n >= 1.
std::size_t arenaEntries(std::uint64_t n) { return static_cast<std::size_t>(8 * (n - 1)); }

// Room for the row number of n vertices and its three blanks, in front of a line.
std::size_t numberRoom(std::uint64_t n) { return std::to_string(n).size() + 3; }

// A printed line: the row number's room, "0  " per column and the line end.
std::size_t lineLength(std::uint64_t n) {
  return static_cast<std::size_t>(numberRoom(n) + 3 * n + 1);
}

}  // namespace

AdjacencyMatrix::AdjacencyMatrix(Vertex n)
    : n_(n), rows_(index(n) + 1), arena_(arenaEntries(index(n))) {
  printLine_.reserve(lineLength(index(n)));
}

std::uint64_t AdjacencyMatrix::bytesNeeded(std::uint64_t n) {
  return (n + 1) * sizeof(Row) + arenaEntries(n) * sizeof(Vertex) + lineLength(n) + 1;
}

void AdjacencyMatrix::join(Vertex i, Vertex j) {
  append(i, j);
  append(j, i);
}

void AdjacencyMatrix::reserveRows(std::span<const Vertex> sizes) {
  for (Vertex v = 1; v <= n_; ++v) {
    Row& row = rows_[index(v)];
    row.capacity = sizes[index(v)];
    row.start = take(index(row.capacity));
  }
}

void AdjacencyMatrix::append(Vertex i, Vertex column) {
  Row& row = rows_[index(i)];
  if (row.size == row.capacity) {
    grow(row);
  }
  arena_[row.start + index(row.size++)] = column;
}

// Doubles the capacity of a row by moving it to the end of the arena's used part.
void AdjacencyMatrix::grow(Row& row) {
  // No row holds more than n - 1 ones, which also keeps the doubling within a vertex number.
  const Vertex capacity =
      row.capacity == 0
          ? 1
          : static_cast<Vertex>(std::min(2 * std::int64_t{row.capacity}, std::int64_t{n_} - 1));
  const std::size_t start = take(index(capacity));
  std::copy_n(arena_.begin() + static_cast<std::ptrdiff_t>(row.start), row.size,
              arena_.begin() + static_cast<std::ptrdiff_t>(start));
  row.start = start;
  row.capacity = capacity;
}

// Hands out the next `entries` entries of the arena; returns the first.
std::size_t AdjacencyMatrix::take(std::size_t entries) {
  const std::size_t start = used_;
  used_ += entries;
  return start;
}

std::vector<Edge> edgesOf(const AdjacencyMatrix& matrix) {
  std::vector<Edge> edges;
  for (Vertex v = 1; v <= matrix.size(); ++v) {
    const std::size_t first = edges.size();
    for (const Vertex column : matrix.ones(v)) {
      if (v < column) {
        edges.emplace_back(v, column);
      }
    }
    // A row holds its columns in the order they were joined.
    std::sort(edges.begin() + static_cast<std::ptrdiff_t>(first), edges.end());
  }
  return edges;
}

}  // namespace pruefer
