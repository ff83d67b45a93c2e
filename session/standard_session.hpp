// A session over the process's standard streams.
#pragma once

#include <istream>
#include <ostream>

#include "session/session.hpp"
#include "session/stream_buffers.hpp"

namespace pruefer {

// The session that main runs: standard input and output through the system's own calls, with
// every prompt shown before input is awaited, standard error, and the system's memory budget.
class StandardSession {
 public:
  StandardSession();
  StandardSession(const StandardSession&) = delete;
  StandardSession& operator=(const StandardSession&) = delete;

  Session& session() { return session_; }

 private:
  OutputBuffer output_;
  InputBuffer input_;
  std::istream in_;
  std::ostream out_;
  Session session_;
};

}  // namespace pruefer
