// The real program over non-blocking pipes: it waits for input that is not there yet and for
// room in a full output, instead of taking either for the end or for a failure.
#ifdef _WIN32

#include <gtest/gtest.h>

TEST(NonBlocking, WaitsForInputAndForRoomToWrite) { GTEST_SKIP() << "needs POSIX pipes and fcntl"; }

#else

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

struct Finished {
  int status;
  std::string out;
};

// Runs the program on `typed`, with either end of its pipes non-blocking as asked. Input is
// written only after a pause, and output read only after one, so that the program meets an
// empty input and a full output.
Finished runNonBlocking(const std::string& typed, bool inputNonBlocking, bool outputNonBlocking) {
  int input[2];
  int output[2];
  EXPECT_EQ(pipe(input), 0);
  EXPECT_EQ(pipe(output), 0);
  if (inputNonBlocking) {
    fcntl(input[0], F_SETFL, fcntl(input[0], F_GETFL) | O_NONBLOCK);
  }
  if (outputNonBlocking) {
    fcntl(output[1], F_SETFL, fcntl(output[1], F_GETFL) | O_NONBLOCK);
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(input[0], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    close(input[1]);
    close(output[0]);
    execl(PRUEFER_PROGRAM, PRUEFER_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  close(output[1]);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(write(input[1], typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
  close(input[1]);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  Finished run{-1, ""};
  char chunk[65536];
  for (ssize_t got; (got = read(output[0], chunk, sizeof chunk)) > 0;) {
    run.out.append(chunk, static_cast<std::size_t>(got));
  }
  close(output[0]);
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
  const Finished blocking = runNonBlocking(typed, false, false);
  ASSERT_EQ(blocking.status, 0);
  ASSERT_GT(blocking.out.size(), std::size_t{6000000});
  for (const auto& [input, output] : {std::pair{true, false}, {false, true}, {true, true}}) {
    const Finished run = runNonBlocking(typed, input, output);
    SCOPED_TRACE(std::string(input ? "non-blocking input " : "") +
                 (output ? "non-blocking output" : ""));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, blocking.out);
  }
}

}  // namespace

#endif
