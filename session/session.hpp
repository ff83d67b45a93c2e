// What one session of the program talks through, and the memory its requests may take.
#pragma once

#include <exception>
#include <istream>
#include <ostream>

#include "session/ending.hpp"
#include "session/memory_budget.hpp"
#include "session/standard_streams.hpp"

namespace pruefer {

// The streams of a session and its memory budget; main hands in the standard streams.
struct Session {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  MemoryBudget budget;
};

// Makes the session's streams raise every failed read or write: a StreamError leaves the stream
// operation that met it.
void raiseStreamFailures(Session& session);

// Tells a failed read or write on the session's error stream, as "pruefer: " and the failure on
// one line; returns kStatusStopped.
int reportStreamFailure(Session& session, const std::exception& failure);

// Runs `run` with the session's streams raising every failed read or write, and flushes what it
// wrote; returns its status, or kStatusStopped after a failed read or write, told on the error
// stream.
template <typename Run>
int reportingStreamFailures(Session& session, Run run) {
  raiseStreamFailures(session);
  try {
    const int status = run();
    session.out.flush();
    return status;
  } catch (const StreamError& failure) {
    return reportStreamFailure(session, failure);
  }
}

}  // namespace pruefer
