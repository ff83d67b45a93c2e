// The command line.
#include "program/command_line.hpp"

#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "program/menu.hpp"
#include "program/runtime.hpp"
#include "session/standard_session.hpp"

namespace pruefer {
namespace {

constexpr std::string_view kUsage =
    "Usage: pruefer [--help | --version]\n"
    "Finds the Pruefer code of a labelled tree, or the tree of a Pruefer code.\n"
    "\n"
    "With no argument, pruefer shows a menu and reads everything from standard\n"
    "input, one whole number per line; it writes everything to standard output.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the name and version and exit\n"
    "\n"
    "Exit status: 0 when the user quits, or the input ends at the menu; 1 when\n"
    "the input ends inside a request; 2 when a read or write fails, or for an\n"
    "unknown argument. The manual page, pruefer(1), tells more.\n";

constexpr std::string_view kVersion = "pruefer " PRUEFER_VERSION "\n";

// The argument as it can stand in one line: each control character shown as '?'.
std::string printable(std::string_view argument) {
  std::string shown(argument);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      c = '?';
    }
  }
  return shown;
}

}  // namespace

int runCommandLine(std::span<const std::string_view> arguments, Session& session) {
  for (const std::string_view argument : arguments) {
    if (argument != "--help" && argument != "--version") {
      session.err << kErrorPrefix << "unknown argument '" << printable(argument)
                  << "' (pruefer --help lists the arguments)\n";
      return kStatusStopped;
    }
  }
  if (arguments.empty()) {
    return runMenu(session);
  }
  return reportingStreamFailures(session, [&session, &arguments] {
    session.out << (arguments.front() == "--help" ? kUsage : kVersion);
    return 0;
  });
}

int runProgram(int argc, char* argv[]) {
  prepareRuntime();
  try {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    StandardSession standard;
    return runCommandLine(arguments, standard.session());
  } catch (const std::bad_alloc&) {
    std::cerr << kErrorPrefix << kNoMemoryLeft << '\n';
    return kStatusStopped;
  }
}

}  // namespace pruefer
