// Menu choice 1: the code of a typed tree.
#include "requests/code_of_tree.hpp"

#include <climits>
#include <ostream>

#include "requests/tree_viewer.hpp"
#include "session/prompt.hpp"
#include "tree/edge_set.hpp"
#include "tree/encoding.hpp"
#include "tree/storage.hpp"

namespace pruefer {

Vertex enterVertexCount(Session& session) {
  return getBoundedInt(session, "\nHow many vertices does your tree have?", {3, INT_MAX},
                       "Only trees with three or more vertices have a Pruefer code.");
}

void enterEdges(Session& session, AdjacencyMatrix& matrix, EdgeSet& typed) {
  const Vertex n = matrix.size();
  session.out << "Please enter the " << n - 1 << " edges of your tree, one at a time.\n";
  for (Vertex edge = 1; edge < n;) {
    session.out << "\nEdge #" << edge << '\n';
    // Both ends are read before either is checked.
    const Vertex a = getBoundedInt(session, "First Vertex", {1, n});
    const Vertex b = getBoundedInt(session, "Second Vertex", {1, n});
    if (a == b) {
      session.out << "A graph is not a tree if a vertex is connected to itself. Try again.";
    } else if (!typed.insert(a, b)) {
      session.out
          << "You have already entered this edge.  In a tree, each edge is unique. Try again.";
    } else {
      matrix.join(a, b);
      ++edge;
    }
  }
}

void printPrueferCode(std::ostream& out, const CodeArray& code) {
  out << "\nThe Pruefer Code is ( ";
  for (std::size_t t = 1; t + 1 < code.size(); ++t) {
    out << code[t] << ' ';
  }
  out << ")\n";
}

void requestPrueferCode(Session& session, TreeViewer* viewer) {
  const Vertex n = enterVertexCount(session);
  auto [matrix, code, space, typed] =
      makeTreeStorage(n, session.budget.availableFor(bytesForTree(static_cast<std::uint64_t>(n))),
                      Coding::encoding);
  enterEdges(session, matrix, *typed);
  showMatrix(session, viewer, matrix, Coding::encoding);
  findPrueferCode(matrix, code, space);
  printPrueferCode(session.out, code);
}

}  // namespace pruefer
