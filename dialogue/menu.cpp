// The menu loop.
#include "dialogue/menu.hpp"

#include <limits>
#include <new>
#include <optional>

#include "dialogue/prompt.hpp"
#include "dialogue/stream_buffers.hpp"
#include "tree/code_entry.hpp"
#include "tree/encoding.hpp"
#include "tree/storage.hpp"

namespace pruefer {
namespace {

constexpr int kQuit = 0;
constexpr int kInputEnded = 1;
constexpr int kStreamFailed = 2;

// The user's choice; none when the input has ended at the menu.
std::optional<int> readChoice(Console& console) {
  console.out << "This program can:\n"
                 "1. Find the Pruefer Code for a given tree\n"
                 "2. Find the tree with a given Pruefer Code\n";
  try {
    return getBoundedInt(console.in, console.out, "Enter your choice (0 to quit)", 0, 2, "");
  } catch (const EndOfInput&) {
    return std::nullopt;
  }
}

void writeTooLarge(std::ostream& out, const TreeTooLarge& refusal) {
  out << '\n';
  if (refusal.vertices > std::numeric_limits<Vertex>::max()) {
    out << "A tree of " << refusal.vertices
        << " vertices is too large: vertices are numbered up to "
        << std::numeric_limits<Vertex>::max() << ".\n\n";
  } else {
    out << "There is not enough memory for a tree of " << refusal.vertices << " vertices.\n\n";
  }
}

// Runs the request chosen. A request that cannot finish writes its own ending and leaves the
// menu to follow at once; one that finishes is closed by a line end.
void runRequest(Console& console, int choice) {
  try {
    if (choice == 1) {
      requestPrueferCode(console);
    } else {
      requestTree(console);
    }
    console.out << '\n' << std::flush;
  } catch (const NotATree&) {
    console.out << "\nThe graph you entered was not a tree, so it has no Pruefer Code.\n\n";
  } catch (const TreeTooLarge& refusal) {
    writeTooLarge(console.out, refusal);
  } catch (const std::bad_alloc&) {
    console.out << "\nThere was not enough memory to finish the request.\n\n";
  }
}

// Runs requests until the user picks 0 or the input ends; returns the exit status.
int runRequests(Console& console) {
  for (;;) {
    const std::optional<int> choice = readChoice(console);
    if (!choice) {
      // As a shell does on Ctrl-D: what follows starts on a line of its own.
      console.out << '\n' << std::flush;
      return kQuit;
    }
    if (*choice == 0) {
      return kQuit;
    }
    try {
      runRequest(console, *choice);
    } catch (const EndOfInput&) {
      console.out << '\n' << std::flush;
      console.err << "pruefer: the input ended before the request was finished\n";
      return kInputEnded;
    }
  }
}

}  // namespace

int runMenu(Console& console) {
  // A failed read or write leaves the stream operation that met it, and ends the session.
  console.in.exceptions(std::ios::badbit);
  console.out.exceptions(std::ios::badbit);
  try {
    const int status = runRequests(console);
    console.out.flush();
    return status;
  } catch (const StreamError& failure) {
    console.err << "pruefer: " << failure.what() << '\n';
    return kStreamFailed;
  }
}

}  // namespace pruefer
