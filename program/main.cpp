// The program's entry: runs the menu over its standard streams.
#include "program/menu.hpp"

int main() {
  return pruefer::runOnStandardStreams(
      [](pruefer::Session& session) { return pruefer::runMenu(session); });
}
