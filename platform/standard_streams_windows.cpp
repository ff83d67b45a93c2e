// Standard input and output on Windows, through the C runtime's descriptors in text mode: a
// line end is written as CR LF, a typed CR LF is read as a line end, and Ctrl-Z then Enter at
// the console ends the input.
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <system_error>

#include "session/standard_streams.hpp"

namespace pruefer {
namespace {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

[[noreturn]] void fail(const char* action) {
  throw StreamError(action, std::error_code(errno, std::generic_category()));
}

unsigned int chunk(std::size_t size) {
  return static_cast<unsigned int>(std::min<std::size_t>(size, INT_MAX));
}

}  // namespace

std::size_t readStandardInput(char* data, std::size_t size) {
  const int got = _read(kStandardInput, data, chunk(size));
  if (got < 0) {
    fail("read");
  }
  return static_cast<std::size_t>(got);
}

std::size_t writeStandardOutput(const char* data, std::size_t size) {
  const int put = _write(kStandardOutput, data, chunk(size));
  if (put <= 0) {
    fail("write");
  }
  return static_cast<std::size_t>(put);
}

}  // namespace pruefer
