// What the web page asks of the coding core to draw a tree: the order in which the encoding
// removes its edges. The page parses the matrix the program printed and passes its edges here.
#include <emscripten.h>

#include "tree/encoding.hpp"

// Takes the n - 1 edges of a graph on n >= 2 vertices as 2(n - 1) vertex numbers in `ends`,
// and writes them to `order` in the order the encoding removes them, leaf first, the edge left
// over last. Returns 1, or 0 when the edges form no tree.
extern "C" EMSCRIPTEN_KEEPALIVE int removalOrder(int n, const int* ends, int* order) {
  pruefer::AdjacencyMatrix matrix(n);
  for (int edge = 0; edge < n - 1; ++edge) {
    matrix.join(ends[2 * edge], ends[2 * edge + 1]);
  }
  try {
    int at = 0;
    for (const auto [leaf, parent] : pruefer::findRemovalOrder(matrix)) {
      order[at++] = leaf;
      order[at++] = parent;
    }
    return 1;
  } catch (const pruefer::NotATree&) {
    return 0;
  }
}
