// What one session of the program talks through, and the memory its requests may take.
#pragma once

#include <functional>
#include <istream>
#include <ostream>

#include "session/memory_budget.hpp"

namespace pruefer {

// The streams of a session and its memory budget; main hands in the standard streams.
struct Session {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  MemoryBudget budget;
};

// Runs `run` on a session over the process's standard streams, with the system's memory budget;
// returns what `run` returns.
int runOnStandardStreams(const std::function<int(Session&)>& run);

// Runs `run` with the session's streams raising every failed read or write, and flushes what it
// wrote; returns its status, or 2 after a failed read or write, which is told on the error
// stream as "pruefer: " and the failure.
int reportingStreamFailures(Session& session, const std::function<int()>& run);

}  // namespace pruefer
