// What the requests share: how one is run, and how it ends when it cannot finish.
#pragma once

#include "requests/tree_viewer.hpp"
#include "session/session.hpp"

namespace pruefer {

// A request a user can make from the menu, reading and writing through the session and telling
// the viewer, if there is one, of each matrix it prints.
using Request = void (*)(Session& session, TreeViewer* viewer);

// Runs `request` to its end. A finished request is closed by a line end and flush; one that
// cannot finish (a graph that is no tree, a tree too large to hold, memory that ran out) says
// why on lines of its own, and whatever comes next follows at once. The end of the input and a
// failed read or write pass on to the caller.
void runRequest(Request request, Session& session, TreeViewer* viewer);

}  // namespace pruefer
