// The code-to-tree request: code entry, decoding and printout.
#pragma once

#include "dialogue/console.hpp"
#include "tree/decoding.hpp"

namespace pruefer {

// Reads the code's length and entries; returns the code array of the tree on length + 2 vertices.
CodeArray enterPrueferCode(Console& console);

// Reads a Pruefer code, rebuilds its tree and prints the tree's matrix.
void requestTree(Console& console);

}  // namespace pruefer
