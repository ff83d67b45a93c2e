// The menu loop.
#include "program/menu.hpp"

#include <iostream>
#include <new>
#include <optional>

#include "requests/code_of_tree.hpp"
#include "requests/tree_of_code.hpp"
#include "session/prompt.hpp"
#include "session/standard_streams.hpp"
#include "session/stream_buffers.hpp"
#include "tree/encoding.hpp"
#include "tree/storage.hpp"

namespace pruefer {
namespace {

constexpr int kQuit = 0;
constexpr int kInputEnded = 1;
constexpr int kStreamFailed = 2;

// The user's choice; none when the input has ended at the menu.
std::optional<int> readChoice(Session& session) {
  session.out << "This program can:\n"
                 "1. Find the Pruefer Code for a given tree\n"
                 "2. Find the tree with a given Pruefer Code\n";
  try {
    return getBoundedInt(session, "Enter your choice (0 to quit)", {0, 2});
  } catch (const EndOfInput&) {
    return std::nullopt;
  }
}

// Runs the request chosen. A request that cannot finish writes its own ending and leaves the
// menu to follow at once; one that finishes is closed by a line end.
void runRequest(Session& session, int choice) {
  try {
    if (choice == 1) {
      requestPrueferCode(session);
    } else {
      requestTree(session);
    }
    session.out << '\n' << std::flush;
  } catch (const NotATree&) {
    session.out << "\nThe graph you entered was not a tree, so it has no Pruefer Code.\n\n";
  } catch (const TreeTooLarge& refusal) {
    session.out << '\n' << refusal.what() << "\n\n";
  } catch (const std::bad_alloc&) {
    session.out << "\nThere was not enough memory to finish the request.\n\n";
  }
}

// Runs requests until the user picks 0 or the input ends; returns the exit status.
int runRequests(Session& session) {
  for (;;) {
    const std::optional<int> choice = readChoice(session);
    if (!choice) {
      // As a shell does on Ctrl-D: what follows starts on a line of its own.
      session.out << '\n';
      return kQuit;
    }
    if (*choice == 0) {
      return kQuit;
    }
    try {
      runRequest(session, *choice);
    } catch (const EndOfInput&) {
      // The line end goes out first, so that the message stands on a line of its own.
      session.out << '\n' << std::flush;
      session.err << "pruefer: the input ended before the request was finished\n";
      return kInputEnded;
    }
  }
}

}  // namespace

int runMenu(Session& session) {
  // A failed read or write leaves the stream operation that met it, and ends the session.
  session.in.exceptions(std::ios::badbit);
  session.out.exceptions(std::ios::badbit);
  try {
    const int status = runRequests(session);
    session.out.flush();
    return status;
  } catch (const StreamError& failure) {
    session.err << "pruefer: " << failure.what() << '\n';
    return kStreamFailed;
  }
}

int runMenuOnStandardStreams(TreeViewer* viewer) {
  OutputBuffer output(writeStandardOutput);
  InputBuffer input(readStandardInput, output);
  std::istream in(&input);
  std::ostream out(&output);
  Session session{in, out, std::cerr, MemoryBudget::ofSystem(), viewer};
  return runMenu(session);
}

}  // namespace pruefer
