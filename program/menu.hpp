// The menu loop: the program's one loop, dispatching the requests.
#pragma once

#include "requests/tree_viewer.hpp"
#include "session/session.hpp"

namespace pruefer {

// Shows the menu and runs requests until the user picks 0 or the input ends, telling `viewer`,
// if there is one, of each matrix printed; returns the exit status: 0, 1 when the input ended
// inside a request, 2 when a read or write failed.
int runMenu(Session& session, TreeViewer* viewer = nullptr);

}  // namespace pruefer
