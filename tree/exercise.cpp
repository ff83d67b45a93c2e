#include "tree/exercise.hpp"

#include <limits>

#include "tree/code_facts.hpp"

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

// How far apart the parts of the generator's stream lie that each kind of exercise draws from:
// the encoding's at the seed, the decoding's one part on, each fact's a part after them.
constexpr std::uint64_t kStreamPart = std::uint64_t{1} << 32U;

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
    SeededDraw own(seed + kStreamPart);
    do {
      drawEntries(code, n, own);
    } while (code == encoding);
  }
  return code;
}

namespace {

// The exercise on a code's degrees: the vertex at a place drawn from the code, so that it occurs
// in it at least once and the count of its occurrences is the point.
void askDegree(FactExercise& exercise, SeededDraw& draw) {
  const auto places = static_cast<std::uint32_t>(exercise.code.size() - 2);
  exercise.vertex = exercise.code[draw.below(places) + 1];
  exercise.answer = static_cast<std::uint64_t>(
      degreesOf(exercise.code)[static_cast<std::size_t>(exercise.vertex)]);
}

// The exercise on counting: all trees, or those with the degrees of the code's own tree, so that
// the degrees are always those of some tree.
void askCount(FactExercise& exercise, Vertex n, SeededDraw& draw) {
  exercise.question = draw.below(2) == 0 ? Question::kAll : Question::kDegrees;
  if (exercise.question == Question::kAll) {
    exercise.answer = treesOn(n);
    return;
  }
  exercise.degrees = degreesOf(exercise.code);
  exercise.answer = treesWithDegrees(exercise.degrees);
}

// The exercise on a tree's code: whether a list is it (the code itself or the code with one
// entry changed, as likely), or which single entry of a nearly right code is wrong.
void askCodeOf(FactExercise& exercise, Vertex n, SeededDraw& draw) {
  exercise.question = draw.below(2) == 0 ? Question::kWhether : Question::kWhich;
  exercise.list = exercise.code;
  const bool same = exercise.question == Question::kWhether && draw.below(2) == 0;
  if (same) {
    exercise.answer = 1;
    return;
  }
  const auto places = static_cast<std::uint32_t>(exercise.code.size() - 2);
  const std::size_t place = draw.below(places) + 1;
  const auto other = static_cast<Vertex>(draw.below(static_cast<std::uint32_t>(n - 1)));
  exercise.list[place] = (exercise.code[place] + other) % n + 1;  // any vertex but the entry
  exercise.answer = exercise.question == Question::kWhether ? 0 : place;
}

}  // namespace

FactExercise factExercise(Vertex n, std::uint64_t seed, CodeFact kind) {
  SeededDraw draw(seed + (static_cast<std::uint64_t>(kind) + 2) * kStreamPart);
  FactExercise exercise;
  exercise.code.assign(static_cast<std::size_t>(n), 0);
  drawEntries(exercise.code, n, draw);
  switch (kind) {
    case CodeFact::kLeaves:
      exercise.leaves = leavesOf(exercise.code);
      break;
    case CodeFact::kDegree:
      askDegree(exercise, draw);
      break;
    case CodeFact::kCount:
      askCount(exercise, n, draw);
      break;
    case CodeFact::kCodeOf:
      askCodeOf(exercise, n, draw);
      break;
  }
  return exercise;
}

}  // namespace pruefer
