// The code-to-tree request: code entry, decoding and printout.
#pragma once

#include "dialogue/console.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Reads the entries of the code into positions 1 to n - 2 of the code array of n vertices.
void enterPrueferCode(Console& console, CodeArray& code);

// Reads a Pruefer code, rebuilds its tree and prints the tree's matrix; throws TreeTooLarge
// when the tree of a code of the length typed cannot be held.
void requestTree(Console& console);

}  // namespace pruefer
