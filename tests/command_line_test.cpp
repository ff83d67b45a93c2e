// The command line: what each argument asks for, and the refusal of any other, echoed on one
// line as it can be read there.
#include "program/command_line.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

namespace pruefer {
namespace {

using testing::kMenu;

TEST(CommandLine, AnswersHelpAndVersionAndRefusesAnyOtherArgumentUnread) {
  const std::string usage =
      "Usage: pruefer [--help | --version]\n"
      "Finds the Pruefer code of a labelled tree, or the tree of a Pruefer code.\n\n"
      "With no argument, pruefer shows a menu and reads everything from standard\n"
      "input, one whole number per line; it writes everything to standard output.\n\n"
      "  --help     show this help and exit\n"
      "  --version  show the name and version and exit\n\n"
      "Exit status: 0 when the user quits, or the input ends at the menu; 1 when\n"
      "the input ends inside a request; 2 when a read or write fails, or for an\n"
      "unknown argument. The manual page, pruefer(1), tells more.\n";
  const std::string version = std::string("pruefer ") + PRUEFER_VERSION + "\n";
  const std::string refusal =
      "pruefer: unknown argument '%' (pruefer --help lists the arguments)\n";
  const auto refused = [&refusal](const std::string& argument) {
    return refusal.substr(0, refusal.find('%')) + argument + refusal.substr(refusal.find('%') + 1);
  };
  const struct {
    std::vector<std::string_view> arguments;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {{}, 0, kMenu, ""},
      {{"--help"}, 0, usage, ""},
      {{"--version"}, 0, version, ""},
      {{"--version", "--help"}, 0, version, ""},
      {{"-h"}, 2, "", refused("-h")},
      {{"--help", "--versions"}, 2, "", refused("--versions")},
      {{""}, 2, "", refused("")},
      {{"1\n0\x7f"}, 2, "", refused("1?0?")},
      {{"a b\x1f~"}, 2, "", refused("a b?~")},
  };
  for (const auto& [arguments, status, out, err] : cases) {
    std::istringstream in("0\n");
    std::ostringstream written;
    std::ostringstream errors;
    Session session{in, written, errors, MemoryBudget::fixed(0)};
    EXPECT_EQ(runCommandLine(arguments, session), status) << err;
    EXPECT_EQ(written.str(), out);
    EXPECT_EQ(errors.str(), err);
    // Only the menu reads its input.
    EXPECT_EQ(in.tellg(), arguments.empty() ? 2 : 0);
  }
}

}  // namespace
}  // namespace pruefer
