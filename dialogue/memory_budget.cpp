// The memory budget of the platform the program runs on.
#include "dialogue/memory_budget.hpp"

namespace pruefer {

MemoryBudget MemoryBudget::ofSystem() {
#if defined(_WIN32)
  return MemoryBudget(availableOnWindows);
#elif defined(__linux__)
  return MemoryBudget([] { return availableOnLinux("/"); });
#else
  return MemoryBudget(availableOnPosix);
#endif
}

}  // namespace pruefer
