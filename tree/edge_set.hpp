// The edges typed so far, for telling a repeated edge at once, whatever the degrees.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// A set of the edges of a graph on n vertices, with room for the n - 1 edges of a tree; an
// edge typed either way round is the same edge. Adding one takes constant expected time.
class EdgeSet {
 public:
  // An empty set for a graph on n >= 1 vertices.
  explicit EdgeSet(Vertex n);

  // Adds the edge between the distinct vertices a and b; false when it was there already.
  bool insert(Vertex a, Vertex b);

  // The bytes a set for n vertices takes.
  static std::uint64_t bytesNeeded(std::uint64_t n);

 private:
  // An open-addressed table of edges as (lower << 32 | higher), 0 marking a free slot; it is
  // never more than half full, so a probe ends after a few slots.
  std::vector<std::uint64_t> slots_;

  // The slot after `slot`, the first after the last.
  std::size_t next(std::size_t slot) const;
};

}  // namespace pruefer
