// The C++ runtime made ready to report any outcome.
#include "program/runtime.hpp"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace pruefer {
namespace {

constexpr int kStopped = 2;

// Where the runtime found no memory for an exception, not even in its emergency reserve, there
// is none in flight, and nothing more can be reported but this line. An exception that nothing
// caught would be a fault of the program's own.
[[noreturn]] void stopCalmly() noexcept {
  std::fputs(std::current_exception() ? "pruefer: internal error: an exception was not caught\n"
                                      : "pruefer: not enough memory left to go on\n",
             stderr);
  std::_Exit(kStopped);
}

struct FirstException {};

// Out of line, so that the exception really leaves a function.
[[gnu::noinline]] void raiseFirstException() { throw FirstException{}; }

}  // namespace

void prepareRuntime() {
  std::set_terminate(stopCalmly);
  try {
    raiseFirstException();
  } catch (const FirstException&) {
  }
}

}  // namespace pruefer
