// Failed reads and writes: raised, and told.
#include "session/session.hpp"

namespace pruefer {

void raiseStreamFailures(Session& session) {
  session.in.exceptions(std::ios::badbit);
  session.out.exceptions(std::ios::badbit);
}

int reportStreamFailure(Session& session, const std::exception& failure) {
  session.err << kErrorPrefix << failure.what() << '\n';
  return kStatusStopped;
}

}  // namespace pruefer
