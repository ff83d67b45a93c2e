// The menu loop: the program's one loop, dispatching the two requests.
#pragma once

#include "dialogue/console.hpp"

namespace pruefer {

// Shows the menu and runs requests until the user picks 0; returns the exit status.
int runMenu(Console& console);

}  // namespace pruefer
