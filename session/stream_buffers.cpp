// Buffers that raise every failure of the system's reads and writes.
#include "session/stream_buffers.hpp"

#include <utility>

namespace pruefer {

OutputBuffer::OutputBuffer(WriteSome write) : write_(std::move(write)) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

void OutputBuffer::writeBuffered() {
  const auto pending = static_cast<std::size_t>(pptr() - pbase());
  // The buffer is emptied first: after a failure nothing is written twice.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  writeAll(buffer_.data(), pending);
}

void OutputBuffer::writeAll(const char* data, std::size_t size) {
  while (size > 0) {
    const std::size_t put = write_(data, size);
    data += put;
    size -= put;
  }
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
  writeBuffered();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

std::streamsize OutputBuffer::xsputn(const char* data, std::streamsize count) {
  // A text as large as the buffer, such as a long matrix row, goes out in one write.
  if (count < epptr() - pptr()) {
    return std::streambuf::xsputn(data, count);
  }
  writeBuffered();
  writeAll(data, static_cast<std::size_t>(count));
  return count;
}

int OutputBuffer::sync() {
  writeBuffered();
  return 0;
}

InputBuffer::InputBuffer(ReadSome read, std::streambuf& output)
    : read_(std::move(read)), output_(output) {}

InputBuffer::int_type InputBuffer::underflow() {
  if (ended_) {
    return traits_type::eof();
  }
  output_.pubsync();
  const std::size_t got = read_(buffer_.data(), buffer_.size());
  if (got == 0) {
    // A terminal reports the end once per Ctrl-D; it is taken as final, as for a file.
    ended_ = true;
    return traits_type::eof();
  }
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(buffer_[0]);
}

}  // namespace pruefer
