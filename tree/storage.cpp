// The storage of a request.
#include "tree/storage.hpp"

#include <limits>
#include <new>
#include <string>

#include "tree/edge_set.hpp"

namespace pruefer {

std::uint64_t bytesForTree(std::uint64_t n) {
  // A request holds the most while the edges are typed: the matrix, the code array and the set
  // of typed edges. Once the set is gone, what the codings and the printout take fits in its
  // place. A mebibyte covers everything small.
  constexpr std::uint64_t kFixed = 1 << 20;
  return AdjacencyMatrix::bytesNeeded(n) + n * sizeof(Vertex) + EdgeSet::bytesNeeded(n) + kFixed;
}

TreeStorage makeTreeStorage(std::int64_t n, std::uint64_t available) {
  const std::string vertices = std::to_string(n);
  if (n > std::numeric_limits<Vertex>::max()) {
    throw TreeTooLarge("A tree of " + vertices +
                       " vertices is too large: vertices are numbered up to " +
                       std::to_string(std::numeric_limits<Vertex>::max()) + ".");
  }
  const std::string noMemory =
      "There is not enough memory for a tree of " + vertices + " vertices.";
  // Memory is checked before it is taken: a lazily committed allocation can succeed and the
  // process still be killed once the memory is touched.
  if (bytesForTree(static_cast<std::uint64_t>(n)) > available) {
    throw TreeTooLarge(noMemory);
  }
  try {
    return {AdjacencyMatrix(static_cast<Vertex>(n)), CodeArray(static_cast<std::size_t>(n))};
  } catch (const std::bad_alloc&) {
    throw TreeTooLarge(noMemory);
  }
}

}  // namespace pruefer
