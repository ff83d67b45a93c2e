// The program's entry: runs what its command line asks over its standard streams.
#include <string_view>
#include <vector>

#include "program/command_line.hpp"

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return pruefer::runOnStandardStreams([&arguments](pruefer::Session& session) {
    return pruefer::runCommandLine(arguments, session);
  });
}
