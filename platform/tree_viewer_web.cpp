// The web page's view of each tree: the walk of its coding, handed to the page as numbers.
#include "platform/tree_viewer_web.hpp"

#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "tree/decoding.hpp"
#include "tree/encoding.hpp"
#include "tree/walk.hpp"

namespace pruefer {
namespace {

EM_JS(void, tellMatrixComing, (), { Module.page.matrixComing(); });

// `walk` holds `size` numbers, or is null for a tree the page does not draw.
EM_JS(void, tellMatrixShown, (int n, int largest, int decoding, const std::int32_t* walk, int size),
      {
        Module.page.matrixShown(n, largest, decoding,
                                walk ? HEAP32.slice(walk >> 2, (walk >> 2) + size) : null);
      });

// The walk as numbers: for each step its leaf, its entry, the number of its choices and the
// choices; then the edge left over.
std::vector<std::int32_t> numbersOf(const Walk& walk) {
  std::vector<std::int32_t> numbers;
  for (const WalkStep& step : walk.steps) {
    numbers.insert(numbers.end(),
                   {step.leaf, step.entry, static_cast<Vertex>(step.choices.size())});
    numbers.insert(numbers.end(), step.choices.begin(), step.choices.end());
  }
  numbers.insert(numbers.end(), {walk.lastLow, walk.lastHigh});
  return numbers;
}

// The walk of the coding over the tree; the decoding reads the tree's own code.
Walk walkOf(const AdjacencyMatrix& matrix, Coding coding) {
  if (coding == Coding::encoding) {
    return walkEncoding(matrix);
  }
  CodeArray code(static_cast<std::size_t>(matrix.size()), 0);
  WalkSpace space(matrix.size());
  findPrueferCode(matrix, code, space);
  return walkDecoding(code);
}

}  // namespace

void PageTreeViewer::matrixComing() { tellMatrixComing(); }

void PageTreeViewer::matrixShown(const AdjacencyMatrix& matrix, Coding coding) {
  const Vertex n = matrix.size();
  const int decoding = coding == Coding::decoding ? 1 : 0;
  if (n > kLargestDrawn) {
    tellMatrixShown(n, kLargestDrawn, decoding, nullptr, 0);
    return;
  }
  try {
    const std::vector<std::int32_t> numbers = numbersOf(walkOf(matrix, coding));
    tellMatrixShown(n, kLargestDrawn, decoding, numbers.data(), static_cast<int>(numbers.size()));
  } catch (const NotATree&) {
    // The request itself says so, right after the matrix; there is nothing to draw.
    tellMatrixShown(n, kLargestDrawn, decoding, nullptr, 0);
  }
}

}  // namespace pruefer
