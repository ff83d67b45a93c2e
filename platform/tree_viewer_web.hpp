// The web page's view of each tree the session shows.
#pragma once

#include "requests/tree_viewer.hpp"

namespace pruefer {

// Tells the page where each matrix's printout begins, so that a screen reader is not read it,
// and where it ends, with the walk of the coding that made or reads the tree, which the page
// draws and tabulates for trees of up to kLargestDrawn vertices.
class PageTreeViewer final : public TreeViewer {
 public:
  static constexpr Vertex kLargestDrawn = 60;  // a larger drawing is no longer legible

  void matrixComing() override;
  void matrixShown(const AdjacencyMatrix& matrix, Coding coding) override;
};

}  // namespace pruefer
