// The page's practice: the exercise of a seed and its walk, worked out by the coding core, so
// that the page holds no coding of its own. Built as a module apart from the program, so that
// practising never touches the session in the console.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "program/page_contract.hpp"
#include "program/page_numbers.hpp"
#include "tree/decoding.hpp"
#include "tree/exercise.hpp"

namespace {

using pruefer::contract::Kind;

// A count as two 32-bit numbers, the high half first.
void addCount(std::vector<std::int32_t>& numbers, std::uint64_t count) {
  numbers.push_back(static_cast<std::int32_t>(count >> 32U));
  numbers.push_back(static_cast<std::int32_t>(count & 0xffffffffU));
}

// The numbers an exercise on what a code tells adds to its code: the leaves, lowest first; the
// vertex and its degree; the question (0 all, 1 degrees), the count, and the degrees; or the
// question (0 whether, 1 which), the answer and the list.
std::vector<std::int32_t> factNumbers(pruefer::CodeFact fact,
                                      const pruefer::FactExercise& exercise) {
  using pruefer::CodeFact;
  using pruefer::Question;
  std::vector<std::int32_t> numbers;
  switch (fact) {
    case CodeFact::kLeaves:
      return {exercise.leaves.begin(), exercise.leaves.end()};
    case CodeFact::kDegree:
      return {exercise.vertex, static_cast<std::int32_t>(exercise.answer)};
    case CodeFact::kCount:
      numbers.push_back(exercise.question == Question::kAll ? 0 : 1);
      addCount(numbers, exercise.answer);
      if (!exercise.degrees.empty()) {
        numbers.insert(numbers.end(), exercise.degrees.begin() + 1, exercise.degrees.end());
      }
      return numbers;
    case CodeFact::kCodeOf:
      numbers = {exercise.question == Question::kWhether ? 0 : 1,
                 static_cast<std::int32_t>(exercise.answer)};
      numbers.insert(numbers.end(), exercise.list.begin() + 1, exercise.list.end() - 1);
      return numbers;
  }
  return numbers;
}

}  // namespace

// Writes to `out`, which has room for `room` numbers, the exercise of `seed` on n vertices of the
// kind numbered `kind`: the n - 2 entries of its tree's code, how many numbers of the kind's own
// follow and those numbers (none for a walk), then the walk both codings make over the tree, in
// the format of page_numbers.hpp. Returns how many numbers it wrote; 0 where n or the kind is out
// of range or they would not fit.
extern "C" int practiceExercise(int n, std::uint32_t seed, int kind, std::int32_t* out, int room) {
  if (n < pruefer::contract::kFewestVertices || n > pruefer::contract::kMostVertices || kind < 0 ||
      kind > static_cast<int>(Kind::codeOf)) {
    return 0;
  }
  pruefer::CodeArray code;
  std::vector<std::int32_t> own;
  if (kind <= static_cast<int>(Kind::decoding)) {
    code = pruefer::exerciseCode(n, seed,
                                 kind == static_cast<int>(Kind::decoding)
                                     ? pruefer::Direction::kDecoding
                                     : pruefer::Direction::kEncoding);
  } else {
    const auto fact = static_cast<pruefer::CodeFact>(kind - static_cast<int>(Kind::leaves));
    const pruefer::FactExercise exercise = pruefer::factExercise(n, seed, fact);
    code = exercise.code;
    own = factNumbers(fact, exercise);
  }
  std::vector<std::int32_t> numbers(code.begin() + 1, code.end() - 1);
  numbers.push_back(static_cast<std::int32_t>(own.size()));
  numbers.insert(numbers.end(), own.begin(), own.end());
  const std::vector<std::int32_t> walk = pruefer::numbersOf(pruefer::walkDecoding(code));
  numbers.insert(numbers.end(), walk.begin(), walk.end());
  if (numbers.size() > static_cast<std::size_t>(room)) {
    return 0;
  }
  std::copy(numbers.begin(), numbers.end(), out);
  return static_cast<int>(numbers.size());
}
