// The real program over non-blocking pipes: it waits for input that is not there yet and for
// room in a full output, instead of taking either for the end or for a failure.
#ifdef _WIN32

#include <gtest/gtest.h>

TEST(NonBlocking, WaitsForInputAndForRoomToWrite) { GTEST_SKIP() << "needs POSIX pipes and fcntl"; }

#else

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "launch.hpp"

namespace {

using pruefer::testing::Ended;

// Runs the program on `typed`, with either end of its pipes non-blocking as asked. Input is
// written only after a pause, and output read only after one, so that the program meets an
// empty input and a full output.
Ended runNonBlocking(const std::string& typed, bool inputNonBlocking, bool outputNonBlocking) {
  pruefer::testing::Program program(
      {.nonBlockingInput = inputNonBlocking, .nonBlockingOutput = outputNonBlocking});
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  program.type(typed);
  program.endInput();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  Ended run{0, program.readOutput(), program.readErrors()};
  run.status = program.wait();
  return run;
}

TEST(NonBlocking, WaitsForInputAndForRoomToWrite) {
  // The tree of a code of 1500 entries: a matrix of about 7 MB, far more than a pipe holds,
  // in lines longer than the pipe takes at once, so that writes are cut short.
  std::string typed = "2\n1500\n";
  for (int entry = 1; entry <= 1500; ++entry) {
    typed += std::to_string(entry) + "\n";
  }
  typed += "0\n";
  const Ended blocking = runNonBlocking(typed, false, false);
  ASSERT_EQ(blocking.status, 0);
  ASSERT_GT(blocking.out.size(), std::size_t{6000000});
  for (const auto& [input, output] : {std::pair{true, false}, {false, true}, {true, true}}) {
    const Ended run = runNonBlocking(typed, input, output);
    SCOPED_TRACE(std::string(input ? "non-blocking input " : "") +
                 (output ? "non-blocking output" : ""));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, blocking.out);
  }
}

}  // namespace

#endif
