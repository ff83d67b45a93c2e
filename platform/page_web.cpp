// What the web page gives the program: the view of each tree, the walk of its coding handed to
// the page as numbers, and the report of the exit status.
#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "program/page.hpp"
#include "tree/decoding.hpp"
#include "tree/encoding.hpp"
#include "tree/walk.hpp"

namespace pruefer {
namespace {

EM_JS(void, tellMatrixComing, (), { Module.page.matrixComing(); });

EM_JS(void, tellExit, (int status), { Module.page.exited(status); });

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

// Tells the page where each matrix's printout begins, so that a screen reader is not read it,
// and where it ends, with the walk of the coding that made or reads the tree, which the page
// draws and tabulates for trees of up to kLargestDrawn vertices.
class PageTreeViewer final : public TreeViewer {
 public:
  static constexpr Vertex kLargestDrawn = 60;  // a larger drawing is no longer legible

  void matrixComing() override { tellMatrixComing(); }
  void matrixShown(const AdjacencyMatrix& matrix, Coding coding) override;
};

}  // namespace

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

std::unique_ptr<TreeViewer> makePageTreeViewer() { return std::make_unique<PageTreeViewer>(); }

void reportExitToPage(int status) { tellExit(status); }

}  // namespace pruefer
