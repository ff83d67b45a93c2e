// The buffers between a session's streams and the system: a failed read or write is raised,
// input that has ended stays ended, and pending output is flushed before input is awaited.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <streambuf>

#include "session/standard_streams.hpp"

namespace pruefer {

// The bytes each buffer holds.
inline constexpr std::size_t kStreamBufferSize = 1 << 16;

// Reads at most `size` bytes into `data`, waiting until some are there; returns 0 only at the
// end of input, and throws StreamError on any other failure.
using ReadSome = std::function<std::size_t(char* data, std::size_t size)>;

// Writes a first part of the `size` bytes of `data`, at least one byte, waiting as long as it
// must; returns how many it wrote; throws StreamError on failure.
using WriteSome = std::function<std::size_t(const char* data, std::size_t size)>;

// Output buffered in memory and written through `write`, as many times as it takes to write all
// of it, when full or flushed. A failure is
// thrown out of the stream operation that met it, so a stream over this buffer needs badbit
// among its exceptions to pass it on. Nothing is written when the buffer is destroyed.
class OutputBuffer : public std::streambuf {
 public:
  // Writes through `write`.
  explicit OutputBuffer(WriteSome write);

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize count) override;
  int sync() override;

 private:
  void writeBuffered();
  void writeAll(const char* data, std::size_t size);

  WriteSome write_;
  std::array<char, kStreamBufferSize> buffer_{};
};

// Input fetched through `read`, which flushes `output` first, so that every prompt is shown
// before the program can wait for its answer; input already fetched is read with no flush in
// between. Once `read` has reported the end of input, nothing is read again.
class InputBuffer : public std::streambuf {
 public:
  // Reads through `read`, flushing `output` before each fetch; `output` must outlive the buffer.
  InputBuffer(ReadSome read, std::streambuf& output);

 protected:
  int_type underflow() override;

 private:
  ReadSome read_;
  std::streambuf& output_;
  bool ended_ = false;
  std::array<char, kStreamBufferSize> buffer_{};
};

}  // namespace pruefer
