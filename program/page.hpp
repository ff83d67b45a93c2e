// What the web page gives the program there: a viewer that draws each tree with its walk, and
// the page's own report of how the program ended. Built for the page only.
#pragma once

#include <memory>

#include "requests/tree_viewer.hpp"

namespace pruefer {

// The page's viewer: it tells the page where each matrix's printout begins and ends, and hands
// it the walk of the coding that made or reads the tree, for drawing.
std::unique_ptr<TreeViewer> makePageTreeViewer();

// Tells the page the exit status, which it would not learn from main's return after an awaited
// read.
void reportExitToPage(int status);

}  // namespace pruefer
