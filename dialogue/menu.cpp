// The menu loop.
#include "dialogue/menu.hpp"

#include "dialogue/prompt.hpp"
#include "tree/code_entry.hpp"

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
    if (choice == 2) {
      requestTree(console);
    }
    console.out << '\n' << std::flush;
  }
}

}  // namespace pruefer
