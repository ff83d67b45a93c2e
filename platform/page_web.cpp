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

// What the numbers handed with a matrix are: the walk of the encoding or of the decoding, or the
// edges of a graph that is no tree.
enum class Drawn { encoding = 0, decoding = 1, notATree = 2 };

// `numbers` holds `size` numbers, or is null for a matrix the page does not draw.
EM_JS(void, tellMatrixShown, (int n, int largest, int drawn, const std::int32_t* numbers, int size),
      {
        Module.page.matrixShown(n, largest, drawn,
                                numbers ? HEAP32.slice(numbers >> 2, (numbers >> 2) + size) : null);
      });

// The edges of the matrix, each as its two ends, lower first, row by row.
std::vector<std::int32_t> edgesOf(const AdjacencyMatrix& matrix) {
  std::vector<std::int32_t> numbers;
  for (Vertex v = 1; v <= matrix.size(); ++v) {
    for (const Vertex column : matrix.ones(v)) {
      if (v < column) {
        numbers.insert(numbers.end(), {v, column});
      }
    }
  }
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
  // Nothing for a matrix too large to draw. Edges that are no tree are drawn as they are, to
  // show why, which the request itself says right after the matrix. A walk always holds at
  // least the edge left over.
  std::vector<std::int32_t> numbers;
  Drawn drawn = coding == Coding::encoding ? Drawn::encoding : Drawn::decoding;
  if (n <= kLargestDrawn) {
    try {
      numbers = numbersOf(walkOf(matrix, coding));
    } catch (const NotATree&) {
      numbers = edgesOf(matrix);
      drawn = Drawn::notATree;
    }
  }
  tellMatrixShown(n, kLargestDrawn, static_cast<int>(drawn),
                  numbers.empty() ? nullptr : numbers.data(), static_cast<int>(numbers.size()));
}

std::unique_ptr<TreeViewer> makePageTreeViewer() { return std::make_unique<PageTreeViewer>(); }

void reportExitToPage(int status) { tellExit(status); }

}  // namespace pruefer
