// The memory budget in a web page: the room left below the maximum that the WebAssembly memory
// may grow to.
#include <emscripten/heap.h>
#include <unistd.h>

#include <cstdint>

#include "session/memory_budget.hpp"

namespace pruefer {

std::uint64_t availableOnWeb() {
  // The heap ends at the program break; everything above it, up to the maximum, can be had.
  const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uint64_t most = emscripten_get_heap_max();
  return most > top ? most - top : 0;
}

MemoryBudget MemoryBudget::ofSystem() { return reading(availableOnWeb, kSurelyAvailable); }

}  // namespace pruefer
