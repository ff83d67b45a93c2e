// The menu loop: the program's one loop, dispatching the two requests.
#pragma once

#include "session/session.hpp"

namespace pruefer {

// Shows the menu and runs requests until the user picks 0 or the input ends; returns the exit
// status: 0, 1 when the input ended inside a request, 2 when a read or write failed.
int runMenu(Session& session);

// Runs the menu over the process's standard streams, with the system's memory budget and the
// viewer of its trees, if any; returns the exit status.
int runMenuOnStandardStreams(TreeViewer* viewer = nullptr);

}  // namespace pruefer
