// Tree entry.
#include "tree/edge_entry.hpp"

#include <climits>
#include <ostream>

#include "dialogue/prompt.hpp"
#include "tree/edge_set.hpp"

namespace pruefer {

Vertex enterVertexCount(Console& console) {
  return getBoundedInt(console.in, console.out, "\nHow many vertices does your tree have?", 3,
                       INT_MAX, "Only trees with three or more vertices have a Pruefer code.");
}

void enterEdges(Console& console, AdjacencyMatrix& matrix) {
  const Vertex n = matrix.size();
  console.out << "Please enter the " << n - 1 << " edges of your tree, one at a time.\n";
  EdgeSet typed(n);
  for (Vertex edge = 1; edge < n;) {
    console.out << "\nEdge #" << edge << '\n';
    // Both ends are read before either is checked.
    const Vertex a = getBoundedInt(console.in, console.out, "First Vertex", 1, n, "");
    const Vertex b = getBoundedInt(console.in, console.out, "Second Vertex", 1, n, "");
    if (a == b) {
      console.out << "A graph is not a tree if a vertex is connected to itself. Try again.";
    } else if (!typed.insert(a, b)) {
      console.out
          << "You have already entered this edge.  In a tree, each edge is unique. Try again.";
    } else {
      matrix.join(a, b);
      ++edge;
    }
  }
}

}  // namespace pruefer
