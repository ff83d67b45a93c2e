// Standard input for the dialogue: output is flushed whenever more input must be fetched.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace pruefer {

// An input buffer over `source` that flushes `out` each time it fetches more input, so that
// every prompt is visible before the program can wait for the answer. Unlike tying the streams,
// it does not flush at every number read: typed-ahead or piped input already fetched is read
// with no write in between.
class FlushingInput : public std::streambuf {
 public:
  // Reads from `source`, flushing `out` before each fetch; both must outlive the buffer.
  FlushingInput(std::streambuf& source, std::ostream& out) : source_(source), out_(out) {}

 protected:
  int_type underflow() override;

 private:
  std::streambuf& source_;
  std::ostream& out_;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace pruefer
