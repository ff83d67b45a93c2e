// The yardstick for the program's speed: writes a given number of bytes to standard output as
// prebuilt lines of a given length, one write per line, and does nothing else.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    return 2;
  }
  const long long total = std::atoll(argv[1]);
  const auto lineLength = static_cast<std::size_t>(std::atoll(argv[2]));
  std::string line;
  while (line.size() + 3 < lineLength) {
    line += "0  ";
  }
  line.resize(lineLength - 1, ' ');
  line += '\n';
  for (long long written = 0; written < total;) {
    const auto chunk = static_cast<std::size_t>(
        std::min<long long>(total - written, static_cast<long long>(line.size())));
    const ssize_t done = ::write(STDOUT_FILENO, line.data(), chunk);
    if (done <= 0) {
      return 1;
    }
    written += done;
  }
  return 0;
}
