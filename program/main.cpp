// The program's entry: runs what its command line asks over its standard streams.
#include <string_view>
#include <vector>

#include "program/command_line.hpp"
#include "session/standard_session.hpp"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  pruefer::StandardSession standard;
  return pruefer::runCommandLine(arguments, standard.session());
}
