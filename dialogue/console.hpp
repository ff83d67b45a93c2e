// The streams one session of the program talks through.
#pragma once

#include <istream>
#include <ostream>

namespace pruefer {

// What a session reads from and writes to; main hands in the standard streams.
struct Console {
  std::istream& in;
  std::ostream& out;
};

}  // namespace pruefer
