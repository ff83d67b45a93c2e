// The memory budget of the platform the program runs on.
#include "session/memory_budget.hpp"

namespace pruefer {
namespace {

// A request that takes at most this much is made without asking the system, which costs a dozen
// file reads on Linux, far more than such a request itself. A process that has come as far as
// main already holds a stack of several MiB, its runtime and its stream buffers, so a few MiB
// more are within any limit it could have started under (trees of up to about 39,000
// vertices). Should the allocation fail all the same, the request is refused with the memory
// sentence like any other.
constexpr std::uint64_t kSurelyAvailable = std::uint64_t{4} << 20;

}  // namespace

MemoryBudget MemoryBudget::ofSystem() {
#if defined(__EMSCRIPTEN__)
  return reading(availableOnWeb, kSurelyAvailable);
#elif defined(_WIN32)
  return reading([] { return availableOnWindows(); }, kSurelyAvailable);
#elif defined(__linux__)
  return reading([] { return availableOnLinux("/"); }, kSurelyAvailable);
#else
  return reading(availableOnPosix, kSurelyAvailable);
#endif
}

}  // namespace pruefer
