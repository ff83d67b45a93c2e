// Standard input that flushes output before fetching.
#include "dialogue/flushing_input.hpp"

#include <algorithm>

namespace pruefer {

FlushingInput::int_type FlushingInput::underflow() {
  out_.flush();
  // The source fetches once if it must; then only what it already holds is taken, which never
  // waits. A terminal thus hands over a line at a time, a pipe or file a block at a time.
  if (traits_type::eq_int_type(source_.sgetc(), traits_type::eof())) {
    return traits_type::eof();
  }
  const std::streamsize wanted = std::clamp<std::streamsize>(
      source_.in_avail(), 1, static_cast<std::streamsize>(buffer_.size()));
  const std::streamsize got = source_.sgetn(buffer_.data(), wanted);
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return got > 0 ? traits_type::to_int_type(buffer_[0]) : traits_type::eof();
}

}  // namespace pruefer
