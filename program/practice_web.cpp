// The page's practice: the exercise of a seed and its walk, worked out by the coding core, so
// that the page holds no coding of its own. Built as a module apart from the program, so that
// practising never touches the session in the console.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tree/decoding.hpp"
#include "tree/exercise.hpp"
#include "tree/walk.hpp"

namespace {

constexpr int kFewest = 4;  // vertices of the smallest exercise
constexpr int kMost = 12;   // and of the largest, whose walk a learner still works by hand

}  // namespace

// Writes to `out`, which has room for `room` numbers, the exercise of `seed` on n vertices: the
// n - 2 entries of its code, then the walk both codings make over its tree, as numbers. Returns
// how many numbers it wrote; 0 where n is out of range or they would not fit.
extern "C" int practiceExercise(int n, std::uint32_t seed, std::int32_t* out, int room) {
  if (n < kFewest || n > kMost) {
    return 0;
  }
  const pruefer::CodeArray code = pruefer::exerciseCode(n, seed);
  std::vector<std::int32_t> numbers(code.begin() + 1, code.end() - 1);
  const std::vector<std::int32_t> walk = pruefer::numbersOf(pruefer::walkDecoding(code));
  numbers.insert(numbers.end(), walk.begin(), walk.end());
  if (numbers.size() > static_cast<std::size_t>(room)) {
    return 0;
  }
  std::copy(numbers.begin(), numbers.end(), out);
  return static_cast<int>(numbers.size());
}
