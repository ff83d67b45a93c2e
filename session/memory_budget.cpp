// The memory budget of the platform the program runs on.
#include "session/memory_budget.hpp"

namespace pruefer {

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
