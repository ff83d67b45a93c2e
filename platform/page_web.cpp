// What the web page gives the program: the view of each tree, the walk of its coding handed to
// the page as numbers, and the report of the exit status. Each call on the page is one of
// Module.page's, named and described in CONTRIBUTING.md.
#include <emscripten.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "program/page.hpp"
#include "program/page_contract.hpp"
#include "program/page_numbers.hpp"
#include "tree/decoding.hpp"
#include "tree/encoding.hpp"

namespace pruefer {
namespace {

using contract::Picture;

EM_JS(void, tellMatrixComing, (), { Module.page.matrixComing(); });

EM_JS(void, tellExit, (int status), { Module.page.exited(status); });

// `numbers` holds `size` numbers of the format of `picture` (page_numbers.hpp), or is null for a
// matrix the page does not draw.
EM_JS(void, tellMatrixShown,
      (int n, int largest, int picture, const std::int32_t* numbers, int size), {
        Module.page.matrixShown(n, largest, picture,
                                numbers ? HEAP32.slice(numbers >> 2, (numbers >> 2) + size) : null);
      });

// Tells the page where each matrix's printout begins, so that a screen reader is not read it,
// and where it ends, with the walk of the coding that made or reads the tree, which the page
// draws and tabulates for trees of up to kLargestDrawn vertices.
class PageTreeViewer final : public TreeViewer {
 public:
  static constexpr Vertex kLargestDrawn = 60;  // a larger drawing is no longer legible

  void codeEntered(const CodeArray& code) override;
  void matrixComing() override { tellMatrixComing(); }
  void matrixShown(const AdjacencyMatrix& matrix, Coding coding) override;

 private:
  // The decoding's walk over the code last entered, where its tree is drawn.
  std::optional<Walk> decoding_;
};

}  // namespace

void PageTreeViewer::codeEntered(const CodeArray& code) {
  decoding_.reset();
  if (static_cast<Vertex>(code.size()) <= kLargestDrawn) {
    decoding_ = walkDecoding(code);
  }
}

void PageTreeViewer::matrixShown(const AdjacencyMatrix& matrix, Coding coding) {
  const Vertex n = matrix.size();
  // Nothing for a matrix too large to draw. Edges that are no tree are drawn as they are, to
  // show why, which the request itself says right after the matrix. A walk always holds at
  // least the edge left over.
  std::vector<std::int32_t> numbers;
  Picture picture = coding == Coding::encoding ? Picture::encoding : Picture::decoding;
  if (coding == Coding::decoding) {
    if (n <= kLargestDrawn && decoding_) {
      numbers = numbersOf(*decoding_);
    }
  } else if (n <= kLargestDrawn) {
    try {
      numbers = numbersOf(walkEncoding(matrix));
    } catch (const NotATree&) {
      numbers = numbersOf(edgesOf(matrix));
      picture = Picture::notATree;
    }
  }
  tellMatrixShown(n, kLargestDrawn, static_cast<int>(picture),
                  numbers.empty() ? nullptr : numbers.data(), static_cast<int>(numbers.size()));
}

std::unique_ptr<TreeViewer> makePageTreeViewer() { return std::make_unique<PageTreeViewer>(); }

void reportExitToPage(int status) { tellExit(status); }

}  // namespace pruefer
