// A session over the process's standard streams.
#pragma once

#include <memory>

#include "session/session.hpp"

namespace pruefer {

// The session that main runs: standard input and output through the system's own calls, with
// every prompt shown before input is awaited, standard error, and the system's memory budget.
class StandardSession {
 public:
  StandardSession();
  ~StandardSession();
  StandardSession(const StandardSession&) = delete;
  StandardSession& operator=(const StandardSession&) = delete;

  Session& session() { return session_; }

 private:
  // The buffers and streams, kept off the stack: their 128 KiB would be most of the stack the
  // program needs, and a stack that must grow near a memory limit may find no room.
  struct Streams;
  std::unique_ptr<Streams> streams_;
  Session session_;
};

}  // namespace pruefer
