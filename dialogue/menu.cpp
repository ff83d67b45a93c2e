// The menu loop.
#include "dialogue/menu.hpp"

#include <limits>
#include <new>
#include <optional>

#include "dialogue/prompt.hpp"
#include "tree/code_entry.hpp"
#include "tree/encoding.hpp"
#include "tree/storage.hpp"

namespace pruefer {
namespace {

constexpr int kQuit = 0;
constexpr int kInputEnded = 1;

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

}  // namespace

int runMenu(Console& console) {
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

}  // namespace pruefer
