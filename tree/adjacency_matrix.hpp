// The adjacency matrix of a graph on vertices 1 to n, and its printout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <vector>

namespace pruefer {

// A vertex number, 1 to n; there is no vertex 0.
using Vertex = std::int32_t;

// The symmetric 0/1 matrix of a loop-free graph; rows and columns are numbered from 1.
//
// A row is stored as the set of its columns that hold 1, so the matrix takes memory in
// proportion to n plus the number of edges. Each entry also knows where its mirror image sits
// in the other vertex's row, which lets an edge or a whole vertex be removed without searching.
// Rows are slices of one arena, which is created with room for a tree's edges in use at once
// and for all the moves of rows that grow one edge at a time.
class AdjacencyMatrix {
  // A column holding 1, and the position of the mirrored entry within that column's row.
  struct Entry {
    Vertex column = 0;
    Vertex mirror = 0;
  };

 public:
  // The columns of one row that hold 1, in no particular order; valid until the matrix changes.
  class Ones {
   public:
    class Iterator {
     public:
      explicit Iterator(const Entry* at) : at_(at) {}
      Vertex operator*() const { return at_->column; }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      bool operator==(const Iterator&) const = default;

     private:
      const Entry* at_;
    };

    Ones(const Entry* first, std::size_t count) : first_(first), count_(count) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(first_ + count_); }

   private:
    const Entry* first_;
    std::size_t count_;
  };

  // Creates the matrix of n >= 1 vertices and no edges, with room for the n - 1 edges of a tree.
  explicit AdjacencyMatrix(Vertex n);

  // The number of vertices n.
  Vertex size() const { return n_; }

  // Reads cell [i][j]: true when vertices i and j are joined. Costs the length of the shorter row.
  bool get(Vertex i, Vertex j) const;

  // Writes cells [i][j] and [j][i] together, so the matrix stays symmetric; needs i != j.
  void set(Vertex i, Vertex j, bool joined);

  // Sets cells [i][j] and [j][i] of two distinct vertices not joined yet, without searching.
  void join(Vertex i, Vertex j);

  // The number of cells in row i that hold 1.
  Vertex countOnes(Vertex i) const { return rows_[index(i)].size; }

  // The columns of row i that hold 1, in no particular order.
  Ones ones(Vertex i) const {
    const Row& row = rows_[index(i)];
    return {arena_.data() + row.start, index(row.size)};
  }

  // Lays out the rows of a matrix that has never had an edge side by side, row v with room for
  // sizes[v] ones (slot 0 unused), so that filling them moves nothing.
  void reserveRows(std::span<const Vertex> sizes);

  // Clears row v and column v, removing every edge of vertex v; costs v's number of edges.
  void clearVertex(Vertex v);

  // The bytes a matrix of n vertices holding a tree takes at most.
  static std::uint64_t bytesNeeded(std::uint64_t n);

 private:
  struct Row {
    std::size_t start = 0;  // where the row's entries begin in the arena
    Vertex size = 0;
    Vertex capacity = 0;
  };
  static std::size_t index(Vertex v) { return static_cast<std::size_t>(v); }
  Entry& entry(Vertex i, Vertex position) {
    return arena_[rows_[index(i)].start + index(position)];
  }
  Vertex positionIn(Vertex i, Vertex j) const;
  Vertex scan(Vertex i, Vertex j) const;
  void append(Vertex i, Entry added);
  void erase(Vertex i, Vertex position);
  void grow(Vertex i);
  std::size_t take(std::size_t entries);

  Vertex n_;
  std::vector<Row> rows_;
  // All rows' entries; a row is a slice of it, and arena_[0, used_) has been handed out.
  std::vector<Entry> arena_;
  std::size_t used_ = 0;
};

// Writes the matrix as a heading, a line of column numbers and one line of 0s and 1s per row.
void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix);

}  // namespace pruefer
