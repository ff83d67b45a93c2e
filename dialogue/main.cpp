// The program's entry: hands the standard streams to the menu loop.
#include <iostream>

#include "dialogue/flushing_input.hpp"
#include "dialogue/menu.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  // Every prompt must be on the screen before the program waits for the answer.
  pruefer::FlushingInput input(*std::cin.rdbuf(), std::cout);
  std::istream in(&input);
  pruefer::Console console{in, std::cout, std::cerr, pruefer::MemoryBudget::ofSystem()};
  return pruefer::runMenu(console);
}
