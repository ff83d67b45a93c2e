// The menu loop.
#include "program/menu.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "requests/code_of_tree.hpp"
#include "requests/request.hpp"
#include "requests/tree_of_code.hpp"
#include "session/prompt.hpp"

namespace pruefer {
namespace {

// What the menu offers: each choice's line, and the request it runs.
struct Choice {
  std::string_view line;
  Request request;
};
constexpr std::array kChoices{
    Choice{"Find the Pruefer Code for a given tree", requestPrueferCode},
    Choice{"Find the tree with a given Pruefer Code", requestTree},
};

// The menu's lines, one per choice numbered from 1, as written before every choice.
std::string menuText() {
  std::string text = "This program can:\n";
  for (std::size_t k = 0; k < kChoices.size(); ++k) {
    text.append(std::to_string(k + 1)).append(". ").append(kChoices[k].line).append("\n");
  }
  return text;
}

// The user's choice after the menu; none when the input has ended at the menu.
std::optional<int> readChoice(Session& session, const std::string& menu) {
  session.out << menu;
  try {
    return getBoundedInt(session, "Enter your choice (0 to quit)",
                         {0, static_cast<int>(kChoices.size())});
  } catch (const EndOfInput&) {
    return std::nullopt;
  }
}

// Runs requests until the user picks 0 or the input ends; returns the exit status.
int runRequests(Session& session, TreeViewer* viewer) {
  const std::string menu = menuText();
  for (;;) {
    const std::optional<int> choice = readChoice(session, menu);
    if (!choice) {
      // As a shell does on Ctrl-D: what follows starts on a line of its own.
      session.out << '\n';
      return kStatusQuit;
    }
    if (*choice == 0) {
      return kStatusQuit;
    }
    try {
      runRequest(kChoices[static_cast<std::size_t>(*choice - 1)].request, session, viewer);
    } catch (const EndOfInput&) {
      // The line end goes out first, so that the message stands on a line of its own.
      session.out << '\n' << std::flush;
      session.err << kErrorPrefix << "the input ended before the request was finished\n";
      return kStatusInputEnded;
    }
  }
}

}  // namespace

int runMenu(Session& session, TreeViewer* viewer) {
  return reportingStreamFailures(session,
                                 [&session, viewer] { return runRequests(session, viewer); });
}

}  // namespace pruefer
