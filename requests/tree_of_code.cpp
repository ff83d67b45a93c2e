// Menu choice 2: the tree of a typed code.
#include "requests/tree_of_code.hpp"

#include <climits>
#include <ostream>

#include "requests/tree_viewer.hpp"
#include "session/prompt.hpp"
#include "tree/storage.hpp"

namespace pruefer {

void enterPrueferCode(Session& session, CodeArray& code) {
  const auto n = static_cast<Vertex>(code.size());
  session.out << "Enter the numbers in the Pruefer Code at the prompts:\n";
  for (Vertex j = 1; j <= n - 2; ++j) {
    // The entry number heads the first attempt only; a refused entry is asked by the prompt alone.
    session.out << j << ' ';
    code[static_cast<std::size_t>(j)] = getBoundedInt(session, "Entry", {1, n});
  }
}

void requestTree(Session& session, TreeViewer* viewer) {
  const int length =
      getBoundedInt(session, "\nHow many entries are in the Pruefer Code?", {0, INT_MAX});
  // A code of k entries belongs to a tree of k + 2 vertices, which may not fit a vertex number.
  const std::int64_t n = std::int64_t{length} + 2;
  TreeStorage storage =
      makeTreeStorage(n, session.budget.availableFor(bytesForTree(static_cast<std::uint64_t>(n))),
                      Coding::decoding);
  enterPrueferCode(session, storage.code);
  if (viewer != nullptr) {
    viewer->codeEntered(storage.code);
  }
  findTree(storage.matrix, storage.code, storage.space);
  showMatrix(session, viewer, storage.matrix, Coding::decoding);
}

}  // namespace pruefer
