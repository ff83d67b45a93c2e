// The memory budget on POSIX systems without Linux's /proc: what getrlimit and sysconf tell.
#include "session/memory_budget.hpp"

namespace pruefer {

MemoryBudget MemoryBudget::ofSystem() { return reading(availableOnPosix, kSurelyAvailable); }

}  // namespace pruefer
