// The walk either coding makes, step by step, as a learner follows it on paper.
#pragma once

#include <cstddef>
#include <vector>

#include "tree/adjacency_matrix.hpp"

namespace pruefer {

// Which coding a request makes: the encoding of a typed tree, or the decoding of a typed code.
enum class Coding { encoding, decoding };

// One step of a walk: the vertices it chooses from, ascending (for the encoding the leaves; for
// the decoding the vertices not yet used that do not appear in the rest of the code, its own
// entry counting as still in it), the lowest of them, which the step removes or uses, and the
// code's entry at the step, which the encoding writes down and the decoding joins it to.
struct WalkStep {
  std::vector<Vertex> choices;
  Vertex lowest{};
  Vertex entry{};
  bool operator==(const WalkStep&) const = default;
};

// The n - 2 steps of a walk over a tree on n vertices, and the edge left over.
struct Walk {
  std::vector<WalkStep> steps;
  Vertex lastLow{};
  Vertex lastHigh{};
  bool operator==(const Walk&) const = default;
};

// The vertices whose entry in `degree` is 1 (slot 0 unused), ascending: what a step of the
// lowest-leaf walk chooses from.
inline std::vector<Vertex> verticesOfDegreeOne(const std::vector<Vertex>& degree) {
  std::vector<Vertex> ones;
  for (std::size_t v = 1; v < degree.size(); ++v) {
    if (degree[v] == 1) {
      ones.push_back(static_cast<Vertex>(v));
    }
  }
  return ones;
}

}  // namespace pruefer
