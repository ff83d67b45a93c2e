// The program's entry: hands its standard streams to the menu loop.
#include <iostream>

#include "dialogue/menu.hpp"
#include "dialogue/standard_streams.hpp"
#include "dialogue/stream_buffers.hpp"

int main() {
  pruefer::OutputBuffer output(pruefer::writeStandardOutput);
  pruefer::InputBuffer input(pruefer::readStandardInput, output);
  std::istream in(&input);
  std::ostream out(&output);
  pruefer::Session session{in, out, std::cerr, pruefer::MemoryBudget::ofSystem()};
  return pruefer::runMenu(session);
}
