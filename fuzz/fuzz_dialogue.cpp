// Fuzz target: arbitrary bytes as everything typed in one session, driven through the whole
// dialogue in-process. Any crash, sanitizer report, hang or unexpected exit status is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>

#include "program/menu.hpp"
#include "tree/storage.hpp"

namespace {

// Throws away everything written, so that large printouts cost no memory.
class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Room for a few thousand vertices, more than an input of a few kilobytes can fill: larger
// vertex counts and code lengths are refused, as on a full machine, and each run stays quick.
const std::uint64_t kBudget = pruefer::bytesForTree(3000);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Discard discard;
  std::ostream out(&discard);
  std::ostream err(&discard);
  pruefer::Session session{in, out, err, pruefer::MemoryBudget::fixed(kBudget)};
  const int status = pruefer::runMenu(session);
  if (status != 0 && status != 1) {
    __builtin_trap();
  }
  return 0;
}
