// The program's entry: hands the standard streams to the menu loop.
#include <iostream>

#include "dialogue/menu.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  // Every prompt must be on the screen before the program waits for the answer.
  std::cin.tie(&std::cout);
  pruefer::Console console{std::cin, std::cout};
  return pruefer::runMenu(console);
}
