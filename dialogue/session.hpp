// What one session of the program talks through, and the memory its requests may take.
#pragma once

#include <istream>
#include <ostream>

#include "dialogue/memory_budget.hpp"

namespace pruefer {

// The streams of a session and its memory budget; main hands in the standard streams.
struct Session {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  MemoryBudget budget;
};

}  // namespace pruefer
