// The built program started from a test, the one way every test that runs it does so: over
// pipes or a pseudo-terminal, optionally non-blocking or under an address-space limit. POSIX
// systems only; on Windows the tests that need it skip.
#pragma once

#ifndef _WIN32

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pruefer::testing {

// How the program is started.
struct Launch {
  bool terminal = false;              // its standard streams are one pseudo-terminal
  const char* inputFile = nullptr;    // its standard input is this file; null: a pipe
  bool nonBlockingInput = false;      // the end of the input pipe it reads from
  bool nonBlockingOutput = false;     // the end of the output pipe it writes to
  bool discardOutput = false;         // its standard output goes to /dev/null
  std::uint64_t addressLimitKiB = 0;  // under this limit, address randomisation off; 0: none
};

// The program running, its standard streams held by the test.
class Program {
 public:
  explicit Program(const Launch& how = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Writes `text` to its standard input (or types it at the terminal).
  void type(std::string_view text);
  // Closes its standard input: the end of input.
  void endInput();
  // Where its standard output (or the terminal) is read from.
  int output() const { return output_; }
  // Everything it writes to standard output, or to standard error, until it closes it.
  std::string readOutput() { return readAll(output_); }
  std::string readErrors() { return readAll(errors_); }
  // Waits for it to end: its exit status, or 128 and the signal that ended it.
  int wait();

 private:
  static std::string readAll(int& fd);
  pid_t child_ = -1;
  int input_ = -1;
  int output_ = -1;
  int errors_ = -1;
  bool ended_ = false;
};

// How a whole run ended: its status and what it wrote on each stream.
struct Ended {
  int status;
  std::string out;
  std::string err;
  bool operator==(const Ended&) const = default;
};

// Runs the program on `typed`, given whole and then ended, and waits for it to end. `typed` must
// fit a pipe (64 KiB), and standard error is read only once standard output has ended.
Ended runProgram(std::string_view typed, const Launch& how = {});

}  // namespace pruefer::testing

#endif
