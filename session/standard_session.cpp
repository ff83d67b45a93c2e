// The session over the standard streams.
#include "session/standard_session.hpp"

#include <iostream>

#include "session/standard_streams.hpp"
#include "session/stream_buffers.hpp"

namespace pruefer {

struct StandardSession::Streams {
  OutputBuffer output{writeStandardOutput};
  InputBuffer input{readStandardInput, output};
  std::istream in{&input};
  std::ostream out{&output};
};

StandardSession::StandardSession()
    : streams_(std::make_unique<Streams>()),
      session_{streams_->in, streams_->out, std::cerr, MemoryBudget::ofSystem()} {}

StandardSession::~StandardSession() = default;

}  // namespace pruefer
