// Menu choice 1, "Find the Pruefer Code for a given tree": the tree is typed edge by edge, its
// matrix shown and its code printed.
#pragma once

#include <iosfwd>

#include "requests/tree_viewer.hpp"
#include "session/session.hpp"
#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"
#include "tree/edge_set.hpp"

namespace pruefer {

// Reads the number of vertices of the tree to be typed, at least 3.
Vertex enterVertexCount(Session& session);

// Reads n - 1 distinct loop-free edges into the empty matrix, refusing loops and repeats, which
// `typed`, an empty set made for n vertices, tells.
void enterEdges(Session& session, AdjacencyMatrix& matrix, EdgeSet& typed);

// Writes code positions 1 to n - 2 as one line.
void printPrueferCode(std::ostream& out, const CodeArray& code);

// Reads a tree, prints its matrix (telling `viewer`) and then its code; throws NotATree when it is
// no tree, and TreeTooLarge when a tree of the vertex count typed cannot be held.
void requestPrueferCode(Session& session, TreeViewer* viewer);

}  // namespace pruefer
