// The menu loop.
#include "dialogue/menu.hpp"

#include "dialogue/prompt.hpp"
#include "tree/code_entry.hpp"
#include "tree/encoding.hpp"

namespace pruefer {
namespace {

void writeMenu(std::ostream& out) {
  out << "This program can:\n"
         "1. Find the Pruefer Code for a given tree\n"
         "2. Find the tree with a given Pruefer Code\n";
}

}  // namespace

int runMenu(Console& console) {
  for (;;) {
    writeMenu(console.out);
    const int choice =
        getBoundedInt(console.in, console.out, "Enter your choice (0 to quit)", 0, 2, "");
    if (choice == 0) {
      return 0;
    }
    try {
      if (choice == 1) {
        requestPrueferCode(console);
      } else {
        requestTree(console);
      }
    } catch (const NotATree&) {
      // The message ends in its own empty line, so the menu follows directly.
      console.out << "\nThe graph you entered was not a tree, so it has no Pruefer Code.\n\n";
      continue;
    }
    console.out << '\n' << std::flush;
  }
}

}  // namespace pruefer
