// The C++ runtime made ready to report any outcome.
#include "program/runtime.hpp"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "session/ending.hpp"

namespace pruefer {
namespace {

// Where the runtime found no memory for an exception, not even in its emergency reserve, there
// is none in flight, and nothing more can be reported but this line. An exception that nothing
// caught would be a fault of the program's own.
[[noreturn]] void stopCalmly() noexcept {
  const std::string_view why =
      std::current_exception() ? "internal error: an exception was not caught" : kNoMemoryLeft;
  for (const std::string_view part : {kErrorPrefix, why, std::string_view("\n")}) {
    std::fwrite(part.data(), 1, part.size(), stderr);
  }
  std::_Exit(kStatusStopped);
}

}  // namespace

void prepareRuntime() { std::set_terminate(stopCalmly); }

}  // namespace pruefer
