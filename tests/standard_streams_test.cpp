// The program's own standard input and output, redirected in-process: a read or write that
// fails ends the session with status 2, and one that a signal interrupts is tried again.
#include "session/standard_streams.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "program/menu.hpp"
#include "session/stream_buffers.hpp"
#include "support.hpp"
#include "temporary_folder.hpp"

#ifdef _WIN32
#include <io.h>
#else
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#endif

namespace pruefer {
namespace {

#ifdef _WIN32
int duplicate(int fd) { return _dup(fd); }
void moveTo(int from, int to) { _dup2(from, to), _close(from); }
int openFile(const std::string& name, int flags) { return _open(name.c_str(), flags); }
constexpr int kReadOnly = _O_RDONLY;
constexpr int kWriteOnly = _O_WRONLY;
#else
int duplicate(int fd) { return dup(fd); }
void moveTo(int from, int to) { dup2(from, to), close(from); }
int openFile(const std::string& name, int flags) { return open(name.c_str(), flags); }
constexpr int kReadOnly = O_RDONLY;
constexpr int kWriteOnly = O_WRONLY;
#endif

// Runs a whole session over the process's own standard input and output, whatever they are now.
testing::Outcome runOverStandardStreams() {
  OutputBuffer output(writeStandardOutput);
  InputBuffer input(readStandardInput, output);
  std::istream in(&input);
  std::ostream out(&output);
  std::ostringstream err;
  Session session{in, out, err, MemoryBudget::fixed(std::uint64_t{1} << 30)};
  const int status = runMenu(session);
  return {status, "", err.str()};
}

// Standard input or output on a file opened the other way round, for the length of the object.
class Redirected {
 public:
  Redirected(int fd, int replacement) : fd_(fd), saved_(duplicate(fd)) { moveTo(replacement, fd); }
  ~Redirected() { moveTo(saved_, fd_); }

 private:
  int fd_;
  int saved_;
};

TEST(StandardStreams, AFailedReadOrWriteEndsTheSessionWithStatusTwo) {
  const testing::TemporaryFolder folder;
  const std::string file = (folder.path() / "file").string();
  std::ofstream(file) << "0\n";
  for (const bool readFails : {true, false}) {
    testing::Outcome outcome;
    {
      const Redirected input(0, openFile(file, readFails ? kWriteOnly : kReadOnly));
      const Redirected output(1, openFile(file, readFails ? kWriteOnly : kReadOnly));
      outcome = runOverStandardStreams();
    }
    EXPECT_EQ(outcome.status, 2);
    EXPECT_TRUE(
        outcome.err.starts_with(readFails ? "pruefer: read error: " : "pruefer: write error: "))
        << outcome.err;
  }
}

#ifndef _WIN32

std::atomic<int> interruptions = 0;

// Reads and writes that wait are interrupted by a signal again and again, its handler installed
// without SA_RESTART, so that each fails with EINTR: the session goes on, byte for byte.
TEST(StandardStreams, ReadsAndWritesInterruptedBySignalsAreTriedAgain) {
  struct sigaction handler {};
  handler.sa_handler = [](int) { ++interruptions; };
  struct sigaction saved {};
  sigaction(SIGUSR1, &handler, &saved);
  // Should the session end early, the typist's writes fail rather than kill the tests.
  const auto savedPipe = signal(SIGPIPE, SIG_IGN);
  // A tree of 202 vertices: its matrix fills a pipe twice over, so writes wait for the reader.
  std::string typed = "2\n200\n";
  for (int entry = 1; entry <= 200; ++entry) {
    typed += std::to_string(entry % 7 + 1) + "\n";
  }
  typed += "0\n";
  int input[2];
  int output[2];
  ASSERT_EQ(pipe(input), 0);
  ASSERT_EQ(pipe(output), 0);
  std::atomic<bool> done = false;
  std::string printed;
  const pthread_t session = pthread_self();
  std::thread typist([&] {
    for (std::size_t at = 0; at < typed.size(); at += 2) {  // a number and its line end at a time
      std::this_thread::sleep_for(std::chrono::microseconds(500));
      if (write(input[1], typed.data() + at, 2) != 2) {
        break;
      }
    }
    close(input[1]);
  });
  std::thread reader([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    char chunk[4096];
    for (ssize_t got; (got = read(output[0], chunk, sizeof chunk)) > 0;) {
      printed.append(chunk, static_cast<std::size_t>(got));
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  std::thread interrupter([&] {
    while (!done) {
      pthread_kill(session, SIGUSR1);
      std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
  });
  testing::Outcome outcome;
  {
    const Redirected in(0, input[0]);
    const Redirected out(1, output[1]);
    outcome = runOverStandardStreams();
    done = true;
    interrupter.join();
  }
  typist.join();
  reader.join();
  close(output[0]);
  sigaction(SIGUSR1, &saved, nullptr);
  signal(SIGPIPE, savedPipe);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  const std::string expected = testing::runSession(typed).out;
  EXPECT_EQ(printed.size(), expected.size());
  EXPECT_TRUE(printed == expected);
  EXPECT_GT(interruptions, 10);  // the waits were interrupted again and again
}

#endif

}  // namespace
}  // namespace pruefer
