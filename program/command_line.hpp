// The command line: the menu, or what --help and --version ask for.
#pragma once

#include <span>
#include <string_view>

#include "session/session.hpp"

namespace pruefer {

// Runs the program as its arguments (those after its name) ask, over `session`: the menu with
// none; a short usage for --help and the name and version for --version, the first of them
// deciding; any other argument is refused on the error stream, before anything is read or
// written. Returns the exit status, 2 for a refused argument.
int runCommandLine(std::span<const std::string_view> arguments, Session& session);

// The program at a terminal: main's arguments, the runtime made ready to report any outcome,
// and what the command line asks run over the standard streams. Returns the exit status; a
// program that finds no memory to start with says so on standard error, with status 2.
int runProgram(int argc, char* argv[]);

}  // namespace pruefer
