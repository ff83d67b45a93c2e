// Pruefer decoding.
#include "tree/decoding.hpp"

#include <algorithm>

namespace pruefer {
namespace {

// The lowest flagged vertex above `after` for which `isCandidate` holds.
template <typename Predicate>
Vertex lowestFlagged(const std::vector<std::uint8_t>& flags, Vertex after, Predicate isCandidate) {
  const auto n = static_cast<Vertex>(flags.size() - 1);
  for (Vertex v = after + 1; v <= n; ++v) {
    if (flags[static_cast<std::size_t>(v)] != 0 && isCandidate(v)) {
      return v;
    }
  }
  return 0;
}

}  // namespace

std::ptrdiff_t findInCode(Vertex vertex, const CodeArray& code) {
  const auto found = std::find(code.begin(), code.end(), vertex);
  return found == code.end() ? -1 : found - code.begin();
}

void findTree(AdjacencyMatrix& matrix, CodeArray& code) {
  const Vertex n = matrix.size();
  std::vector<std::uint8_t> flags(static_cast<std::size_t>(n) + 1, 1);
  flags[0] = 0;
  for (Vertex pass = 1; pass <= n - 2; ++pass) {
    const Vertex leaf =
        lowestFlagged(flags, 0, [&code](Vertex v) { return findInCode(v, code) == -1; });
    flags[static_cast<std::size_t>(leaf)] = 0;
    const auto parent = std::find_if(code.begin(), code.end(), [](Vertex e) { return e != 0; });
    matrix.set(leaf, *parent, true);
    *parent = 0;
  }
  const auto any = [](Vertex) { return true; };
  const Vertex u = lowestFlagged(flags, 0, any);
  matrix.set(u, lowestFlagged(flags, u, any), true);
}

}  // namespace pruefer
