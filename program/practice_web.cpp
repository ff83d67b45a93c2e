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

// Writes to `out`, which has room for `room` numbers, the exercise of `seed` on n vertices of the
// kind numbered `kind`: the n - 2 entries of its code, then the walk both codings make over its
// tree, in the format of page_numbers.hpp. Returns how many numbers it wrote; 0 where n or the
// kind is out of range or they would not fit.
extern "C" int practiceExercise(int n, std::uint32_t seed, int kind, std::int32_t* out, int room) {
  using pruefer::contract::Kind;
  if (n < pruefer::contract::kFewestVertices || n > pruefer::contract::kMostVertices ||
      (kind != static_cast<int>(Kind::encoding) && kind != static_cast<int>(Kind::decoding))) {
    return 0;
  }
  const auto direction = kind == static_cast<int>(Kind::decoding) ? pruefer::Direction::kDecoding
                                                                  : pruefer::Direction::kEncoding;
  const pruefer::CodeArray code = pruefer::exerciseCode(n, seed, direction);
  std::vector<std::int32_t> numbers(code.begin() + 1, code.end() - 1);
  const std::vector<std::int32_t> walk = pruefer::numbersOf(pruefer::walkDecoding(code));
  numbers.insert(numbers.end(), walk.begin(), walk.end());
  if (numbers.size() > static_cast<std::size_t>(room)) {
    return 0;
  }
  std::copy(numbers.begin(), numbers.end(), out);
  return static_cast<int>(numbers.size());
}
