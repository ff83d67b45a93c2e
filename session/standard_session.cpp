// The session over the standard streams.
#include "session/standard_session.hpp"

#include <iostream>

#include "session/standard_streams.hpp"

namespace pruefer {

StandardSession::StandardSession()
    : output_(writeStandardOutput),
      input_(readStandardInput, output_),
      in_(&input_),
      out_(&output_),
      session_{in_, out_, std::cerr, MemoryBudget::ofSystem()} {}

}  // namespace pruefer
