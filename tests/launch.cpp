// Starting the built program from a test.
#include "launch.hpp"

#ifndef _WIN32

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/personality.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace pruefer::testing {
namespace {

void setNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

// In the child, before the program starts: the limit it runs under, with the same addresses at
// every run, so that each run under a limit repeats.
void limitAddressSpace(std::uint64_t kib) {
  personality(ADDR_NO_RANDOMIZE);
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = static_cast<rlim_t>(kib << 10);
  setrlimit(RLIMIT_AS, &limit);
}

[[noreturn]] void startIn(const Launch& how) {
  if (how.addressLimitKiB != 0) {
    limitAddressSpace(how.addressLimitKiB);
  }
  execl(PRUEFER_PROGRAM, PRUEFER_PROGRAM, static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

Program::Program(const Launch& how) {
  if (how.terminal) {
    child_ = forkpty(&output_, nullptr, nullptr, nullptr);
    if (child_ == 0) {
      startIn(how);
    }
    input_ = dup(output_);
    return;
  }
  int in[2];
  int out[2];
  int err[2];
  EXPECT_EQ(pipe(in), 0);
  EXPECT_EQ(pipe(out), 0);
  EXPECT_EQ(pipe(err), 0);
  if (how.nonBlockingInput) {
    setNonBlocking(in[0]);
  }
  if (how.nonBlockingOutput) {
    setNonBlocking(out[1]);
  }
  child_ = fork();
  if (child_ == 0) {
    dup2(how.inputFile == nullptr ? in[0] : open(how.inputFile, O_RDONLY), STDIN_FILENO);
    dup2(how.discardOutput ? open("/dev/null", O_WRONLY) : out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
      close(fd);
    }
    startIn(how);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  input_ = in[1];
  output_ = out[0];
  errors_ = err[0];
}

Program::~Program() {
  if (child_ > 0 && !ended_) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  for (const int fd : {input_, output_, errors_}) {
    if (fd >= 0) {
      close(fd);
    }
  }
}

void Program::type(std::string_view text) {
  ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

void Program::endInput() {
  close(input_);
  input_ = -1;
}

std::string Program::readAll(int& fd) {
  std::string text;
  char chunk[65536];
  for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) > 0;) {
    text.append(chunk, static_cast<std::size_t>(got));
  }
  close(fd);
  fd = -1;
  return text;
}

int Program::wait() {
  int status = 0;
  waitpid(child_, &status, 0);
  ended_ = true;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Ended runProgram(std::string_view typed, const Launch& how) {
  Program program(how);
  program.type(typed);
  program.endInput();
  Ended ended{0, program.readOutput(), program.readErrors()};
  ended.status = program.wait();
  return ended;
}

}  // namespace pruefer::testing

#endif
