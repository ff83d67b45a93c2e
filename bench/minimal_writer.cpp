// The yardstick for the program's speed, which does nothing but write. Two ways:
//   minimal_writer TOTAL LINE_LENGTH: writes TOTAL bytes as prebuilt lines of LINE_LENGTH bytes,
//     one write per line (the large requests, whose output is too large to keep);
//   minimal_writer --replay BYTES SIZES: writes the bytes of the file BYTES in writes of the sizes
//     listed in the file SIZES, one number a line (the small requests, whose writes are many).
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool writeAll(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(STDOUT_FILENO, data, size);
    if (done <= 0) {
      return false;
    }
    data += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

int writeLines(long long total, std::size_t lineLength) {
  std::string line;
  while (line.size() + 3 < lineLength) {
    line += "0  ";
  }
  line.resize(lineLength - 1, ' ');
  line += '\n';
  for (long long written = 0; written < total;) {
    const auto chunk = static_cast<std::size_t>(
        std::min<long long>(total - written, static_cast<long long>(line.size())));
    if (!writeAll(line.data(), chunk)) {
      return 1;
    }
    written += static_cast<long long>(chunk);
  }
  return 0;
}

// The whole of a file, read in one piece, so that loading costs next to nothing.
std::string contentsOf(const char* name) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  std::string contents(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0).read(contents.data(), static_cast<std::streamsize>(contents.size()));
  return contents;
}

int replay(const char* bytesFile, const char* sizesFile) {
  const std::string bytes = contentsOf(bytesFile);
  const std::string sizes = contentsOf(sizesFile);
  std::size_t at = 0;
  for (const char* next = sizes.c_str(); *next != '\0';) {
    char* end = nullptr;
    const auto size = static_cast<std::size_t>(std::strtoull(next, &end, 10));
    if (end == next || at + size > bytes.size() || !writeAll(bytes.data() + at, size)) {
      return 1;
    }
    at += size;
    next = end + (*end == '\n' ? 1 : 0);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--replay") {
    return replay(argv[2], argv[3]);
  }
  if (argc != 3) {
    return 2;
  }
  return writeLines(std::atoll(argv[1]), static_cast<std::size_t>(std::atoll(argv[2])));
}
