#include "tree/exercise.hpp"

#include <limits>

namespace pruefer {

std::uint64_t SeededDraw::next() {
  state_ += 0x9e3779b97f4a7c15U;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9U;
  z = (z ^ (z >> 27U)) * 0x94d049bb133111ebU;
  return z ^ (z >> 31U);
}

std::uint32_t SeededDraw::below(std::uint32_t bound) {
  // Numbers from the last incomplete run of `bound` are drawn again, so that each result is
  // equally likely.
  constexpr std::uint64_t kRange = std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1;
  const std::uint64_t usable = kRange - kRange % bound;
  std::uint64_t drawn = next() >> 32U;
  while (drawn >= usable) {
    drawn = next() >> 32U;
  }
  return static_cast<std::uint32_t>(drawn % bound);
}

namespace {

// Added to the seed of a decoding, so that its numbers come from another part of the stream.
constexpr std::uint64_t kDecodingStream = std::uint64_t{1} << 32U;

void drawEntries(CodeArray& code, Vertex n, SeededDraw& draw) {
  for (std::size_t k = 1; k + 1 < code.size(); ++k) {
    code[k] = static_cast<Vertex>(draw.below(static_cast<std::uint32_t>(n))) + 1;
  }
}

}  // namespace

CodeArray exerciseCode(Vertex n, std::uint64_t seed, Direction direction) {
  SeededDraw draw(seed);
  CodeArray code(static_cast<std::size_t>(n), 0);
  drawEntries(code, n, draw);
  if (direction == Direction::kDecoding && n > 2) {
    const CodeArray encoding = code;
    SeededDraw own(seed + kDecodingStream);
    do {
      drawEntries(code, n, own);
    } while (code == encoding);
  }
  return code;
}

}  // namespace pruefer
