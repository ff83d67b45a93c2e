// The storage of a request.
#include "tree/storage.hpp"

#include <limits>
#include <new>

namespace pruefer {

std::uint64_t bytesForTree(std::uint64_t n) {
  // Everything is made at once, before the first prompt: the matrix, the code array, the walk's
  // two arrays and the set of typed edges. A mebibyte covers everything small.
  constexpr std::uint64_t kFixed = 1 << 20;
  return AdjacencyMatrix::bytesNeeded(n) + n * sizeof(Vertex) + WalkSpace::bytesNeeded(n) +
         EdgeSet::bytesNeeded(n) + kFixed;
}

TreeStorage makeTreeStorage(std::int64_t n, std::uint64_t available, Coding coding) {
  if (n > std::numeric_limits<Vertex>::max()) {
    throw TreeTooLarge{n, TreeTooLarge::Shortage::numbers};
  }
  const TreeTooLarge noMemory{n, TreeTooLarge::Shortage::memory};
  // Memory is checked before it is taken: a lazily committed allocation can succeed and the
  // process still be killed once the memory is touched.
  if (bytesForTree(static_cast<std::uint64_t>(n)) > available) {
    throw noMemory;
  }
  try {
    const auto count = static_cast<Vertex>(n);
    TreeStorage storage{AdjacencyMatrix(count), CodeArray(static_cast<std::size_t>(n)),
                        WalkSpace(count), std::nullopt};
    if (coding == Coding::encoding) {
      storage.typed.emplace(count);
    }
    return storage;
  } catch (const std::bad_alloc&) {
    throw noMemory;
  }
}

}  // namespace pruefer
