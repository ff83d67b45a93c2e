// The adjacency matrix and its printout.
#include "tree/adjacency_matrix.hpp"

#include <algorithm>
#include <ostream>
#include <ranges>
#include <string>

#include "tree/number_lines.hpp"

namespace pruefer {
namespace {

// A row that doubles its capacity from 1 has taken fewer than 4 entries per edge of its vertex
// in all, so 8 entries per edge of the graph are enough for every row of it.
constexpr std::uint64_t kArenaEntriesPerEdge = 8;

std::uint64_t edgesOfTree(std::uint64_t n) { return n == 0 ? 0 : n - 1; }

}  // namespace

AdjacencyMatrix::AdjacencyMatrix(Vertex n) : n_(n), rows_(index(n) + 1) {
  const auto edges = static_cast<std::size_t>(edgesOfTree(index(n)));
  arena_.reserve(kArenaEntriesPerEdge * edges);
  // The entries a tree's rows take when laid out side by side are made at once, as the rows are.
  arena_.resize(2 * edges);
}

std::uint64_t AdjacencyMatrix::bytesNeeded(std::uint64_t n) {
  return (n + 1) * sizeof(Row) + kArenaEntriesPerEdge * edgesOfTree(n) * sizeof(Entry);
}

// The position of column j in row i, or -1; searches the shorter of rows i and j.
Vertex AdjacencyMatrix::positionIn(Vertex i, Vertex j) const {
  const Row& other = rows_[index(j)];
  if (other.size < rows_[index(i)].size) {
    const Vertex position = scan(j, i);
    return position < 0 ? -1 : arena_[other.start + index(position)].mirror;
  }
  return scan(i, j);
}

Vertex AdjacencyMatrix::scan(Vertex i, Vertex j) const {
  const Row& row = rows_[index(i)];
  for (Vertex position = 0; position < row.size; ++position) {
    if (arena_[row.start + index(position)].column == j) {
      return position;
    }
  }
  return -1;
}

bool AdjacencyMatrix::get(Vertex i, Vertex j) const { return positionIn(i, j) >= 0; }

void AdjacencyMatrix::set(Vertex i, Vertex j, bool joined) {
  const Vertex position = positionIn(i, j);
  if (joined && position < 0) {
    join(i, j);
  } else if (!joined && position >= 0) {
    const Vertex mirror = entry(i, position).mirror;
    erase(i, position);
    erase(j, mirror);
  }
}

void AdjacencyMatrix::join(Vertex i, Vertex j) {
  append(i, {j, rows_[index(j)].size});
  append(j, {i, rows_[index(i)].size - 1});
}

void AdjacencyMatrix::reserveRows(std::span<const Vertex> sizes) {
  for (Vertex v = 1; v <= n_; ++v) {
    rows_[index(v)].capacity = sizes[index(v)];
    rows_[index(v)].start = take(index(sizes[index(v)]));
  }
}

void AdjacencyMatrix::clearVertex(Vertex v) {
  Row& row = rows_[index(v)];
  for (std::size_t k = row.start; k < row.start + index(row.size); ++k) {
    erase(arena_[k].column, arena_[k].mirror);
  }
  row.size = 0;
}

void AdjacencyMatrix::append(Vertex i, Entry added) {
  Row& row = rows_[index(i)];
  if (row.size == row.capacity) {
    grow(i);
  }
  arena_[row.start + index(row.size++)] = added;
}

// Removes the entry at `position` of row i by moving the row's last entry into its place.
void AdjacencyMatrix::erase(Vertex i, Vertex position) {
  Row& row = rows_[index(i)];
  const Entry last = arena_[row.start + index(--row.size)];
  if (position != row.size) {
    arena_[row.start + index(position)] = last;
    entry(last.column, last.mirror).mirror = position;
  }
}

// Doubles the capacity of row i: in place when the row ends the arena's used part, else by
// moving it to the end.
void AdjacencyMatrix::grow(Vertex i) {
  Row& row = rows_[index(i)];
  // No row holds more than n - 1 ones, which also keeps the doubling within a vertex number.
  const std::int64_t doubled = 2 * std::int64_t{row.capacity};
  const Vertex capacity =
      row.capacity == 0 ? 1 : static_cast<Vertex>(std::min<std::int64_t>(doubled, n_ - 1));
  if (row.capacity != 0 && row.start + index(row.capacity) == used_) {
    take(index(capacity - row.capacity));
  } else {
    const std::size_t start = take(index(capacity));
    std::copy_n(arena_.begin() + static_cast<std::ptrdiff_t>(row.start), row.size,
                arena_.begin() + static_cast<std::ptrdiff_t>(start));
    row.start = start;
  }
  row.capacity = capacity;
}

// Hands out the next `entries` entries of the arena, making more when needed; returns the first.
std::size_t AdjacencyMatrix::take(std::size_t entries) {
  const std::size_t start = used_;
  used_ += entries;
  if (arena_.size() < used_) {
    arena_.resize(used_);
  }
  return start;
}

void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix) {
  const Vertex n = matrix.size();
  out << "\nThe tree is given by the following matrix:\n\n    ";
  writeNumbers(out, std::views::iota(Vertex{1}, n + 1), "  ");
  out << "\n\n";
  // One reusable line: room for the widest row number and its blanks, then "0  " per column.
  // Each row writes its number in front, sets its 1s, is written in one go and is then reset.
  constexpr std::size_t kNumberRoom = 16;
  std::string line(kNumberRoom, ' ');
  line.reserve(kNumberRoom + 3 * static_cast<std::size_t>(n) + 1);
  for (Vertex j = 1; j <= n; ++j) {
    line += "0  ";
  }
  line += '\n';
  const auto cell = [](Vertex column) {
    return kNumberRoom + 3 * static_cast<std::size_t>(column - 1);
  };
  for (Vertex i = 1; i <= n; ++i) {
    std::string number;
    appendNumber(number, i);
    number += "   ";
    const std::size_t start = kNumberRoom - number.size();
    line.replace(start, number.size(), number);
    for (const Vertex column : matrix.ones(i)) {
      line[cell(column)] = '1';
    }
    out.write(line.data() + start, static_cast<std::streamsize>(line.size() - start));
    out.flush();
    for (const Vertex column : matrix.ones(i)) {
      line[cell(column)] = '0';
    }
  }
  out << '\n' << std::flush;
}

}  // namespace pruefer
