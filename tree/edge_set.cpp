// The set of edges typed so far.
#include "tree/edge_set.hpp"

#include <algorithm>

namespace pruefer {
namespace {

// Twice as many slots as a tree has edges and more, so the table stays less than half full.
std::uint64_t slotsFor(std::uint64_t n) { return 2 * n; }

// Spreads the bits of a key over the whole word (Fibonacci hashing), so that the edges of one
// vertex, or of neighbouring vertices, do not crowd into neighbouring slots.
std::uint64_t mix(std::uint64_t key) {
  key *= 0x9e3779b97f4a7c15u;
  return key ^ (key >> 32);
}

}  // namespace

EdgeSet::EdgeSet(Vertex n)
    : slots_(static_cast<std::size_t>(slotsFor(static_cast<std::uint64_t>(n)))) {}

std::uint64_t EdgeSet::bytesNeeded(std::uint64_t n) { return slotsFor(n) * sizeof(std::uint64_t); }

bool EdgeSet::insert(Vertex a, Vertex b) {
  const auto [low, high] = std::minmax(a, b);
  const std::uint64_t key = std::uint64_t(low) << 32 | std::uint64_t(high);
  for (std::size_t slot = mix(key) % slots_.size();; slot = next(slot)) {
    if (slots_[slot] == key) {
      return false;
    }
    if (slots_[slot] == 0) {
      slots_[slot] = key;
      return true;
    }
  }
}

std::size_t EdgeSet::next(std::size_t slot) const { return ++slot == slots_.size() ? 0 : slot; }

}  // namespace pruefer
