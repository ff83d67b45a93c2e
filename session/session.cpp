// A session over the standard streams, and the report of a failed read or write.
#include "session/session.hpp"

#include <iostream>

#include "session/standard_streams.hpp"
#include "session/stream_buffers.hpp"

namespace pruefer {

int runOnStandardStreams(const std::function<int(Session&)>& run) {
  OutputBuffer output(writeStandardOutput);
  InputBuffer input(readStandardInput, output);
  std::istream in(&input);
  std::ostream out(&output);
  Session session{in, out, std::cerr, MemoryBudget::ofSystem()};
  return run(session);
}

int reportingStreamFailures(Session& session, const std::function<int()>& run) {
  constexpr int kStreamFailed = 2;
  // A failed read or write leaves the stream operation that met it, and ends the session.
  session.in.exceptions(std::ios::badbit);
  session.out.exceptions(std::ios::badbit);
  try {
    const int status = run();
    session.out.flush();
    return status;
  } catch (const StreamError& failure) {
    session.err << "pruefer: " << failure.what() << '\n';
    return kStreamFailed;
  }
}

}  // namespace pruefer
