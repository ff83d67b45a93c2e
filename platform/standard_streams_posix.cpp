// Standard input and output on POSIX systems.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "session/standard_streams.hpp"

namespace pruefer {
namespace {

[[noreturn]] void fail(const char* action) {
  throw StreamError(action, std::error_code(errno, std::system_category()));
}

// Handles a failed call on `fd`: returns when it is worth trying again (interrupted, or a
// non-blocking descriptor that is now ready for `events`), throws otherwise.
void retryOrFail(int fd, short events, const char* action) {
  if (errno == EAGAIN || errno == EWOULDBLOCK) {
    pollfd ready{.fd = fd, .events = events, .revents = {}};
    // Interrupted or not, the call is simply tried again.
    poll(&ready, 1, -1);
  } else if (errno != EINTR) {
    fail(action);
  }
}

}  // namespace

std::size_t readStandardInput(char* data, std::size_t size) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, data, size);
    if (got >= 0) {
      return static_cast<std::size_t>(got);
    }
    retryOrFail(STDIN_FILENO, POLLIN, "read");
  }
}

std::size_t writeStandardOutput(const char* data, std::size_t size) {
  for (;;) {
    const ssize_t put = write(STDOUT_FILENO, data, size);
    if (put >= 0) {
      return static_cast<std::size_t>(put);
    }
    retryOrFail(STDOUT_FILENO, POLLOUT, "write");
  }
}

}  // namespace pruefer
