// Menu choice 2, "Find the tree with a given Pruefer Code": the code is typed entry by entry,
// and the matrix of its tree shown.
#pragma once

#include "requests/tree_viewer.hpp"
#include "session/session.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Reads the entries of the code into positions 1 to n - 2 of the code array of n vertices.
void enterPrueferCode(Session& session, CodeArray& code);

// Reads a Pruefer code, rebuilds its tree and prints the tree's matrix, telling `viewer`; throws
// TreeTooLarge when the tree of a code of the length typed cannot be held.
void requestTree(Session& session, TreeViewer* viewer);

}  // namespace pruefer
