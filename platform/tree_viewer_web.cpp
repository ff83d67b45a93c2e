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
  // No walk for a tree too large to draw, nor for edges that are no tree, which the request
  // itself says right after the matrix. A walk always holds at least the edge left over.
  std::vector<std::int32_t> numbers;
  if (n <= kLargestDrawn) {
    try {
      numbers = numbersOf(walkOf(matrix, coding));
    } catch (const NotATree&) {
    }
  }
  tellMatrixShown(n, kLargestDrawn, coding == Coding::decoding ? 1 : 0,
                  numbers.empty() ? nullptr : numbers.data(), static_cast<int>(numbers.size()));
}

}  // namespace pruefer
