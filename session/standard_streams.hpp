// The program's standard input and output, read and written through the system's own calls, and
// the failure they raise.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <system_error>

namespace pruefer {

// Raised when a read or a write fails for any reason but the end of input; what() reads
// "read error: " or "write error: " and the system's reason.
class StreamError : public std::runtime_error {
 public:
  StreamError(const char* action, std::error_code reason)
      : std::runtime_error(std::string(action) + " error: " + reason.message()) {}
};

// Reads at most `size` bytes of standard input, waiting until some are there (also when the
// input is non-blocking); returns 0 at the end of input; throws StreamError on any failure.
std::size_t readStandardInput(char* data, std::size_t size);

// Writes a first part of `data`, at least one byte, to standard output, waiting when it is
// non-blocking and full; returns how many bytes it wrote; throws StreamError on any failure.
std::size_t writeStandardOutput(const char* data, std::size_t size);

}  // namespace pruefer
