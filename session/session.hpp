// What one session of the program talks through, and the memory its requests may take.
#pragma once

#include <istream>
#include <ostream>

#include "session/memory_budget.hpp"

namespace pruefer {

class TreeViewer;  // defined with the requests, which tell it of the trees they show

// The streams of a session, its memory budget, and what shows its trees besides their printout
// (none at a terminal); main hands in the standard streams.
struct Session {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  MemoryBudget budget;
  TreeViewer* viewer = nullptr;
};

}  // namespace pruefer
