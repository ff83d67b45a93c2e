// The program in a pseudo-terminal, as a person uses it: every prompt is on the screen before
// the program waits for the answer, and Ctrl-D ends it at once.
#ifdef _WIN32

#include <gtest/gtest.h>

TEST(Terminal, ShowsEachPromptBeforeWaiting) {
  GTEST_SKIP() << "needs a POSIX pseudo-terminal, which Windows does not have";
}

#else

#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "launch.hpp"
#include "support.hpp"

namespace {

// The program running in a pseudo-terminal, and what it has shown so far.
class Terminal {
 public:
  // Reads the screen until `text` shows after what was found before; false after 10 seconds.
  // The program writes nothing unasked, so a prompt it has not flushed is never found.
  bool waitFor(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (screen_.find(text, seen_) == std::string::npos) {
      pollfd ready{program_.output(), POLLIN, 0};
      if (std::chrono::steady_clock::now() > deadline || poll(&ready, 1, 100) < 0) {
        return false;
      }
      char chunk[4096];
      const ssize_t got = (ready.revents & (POLLIN | POLLHUP)) != 0
                              ? read(program_.output(), chunk, sizeof chunk)
                              : 0;
      if (got < 0 || (got == 0 && (ready.revents & POLLHUP) != 0)) {
        return false;
      }
      screen_.append(chunk, static_cast<std::size_t>(got));
    }
    seen_ = screen_.find(text, seen_) + text.size();
    return true;
  }

  void type(const std::string& keys) { program_.type(keys); }

  // Waits for the program to end and returns its exit status, or 128 and the signal.
  int exitStatus() { return program_.wait(); }

  const std::string& screen() const { return screen_; }

 private:
  pruefer::testing::Program program_{{.terminal = true}};
  std::string screen_;
  std::size_t seen_ = 0;
};

const std::string kChoice = "Enter your choice (0 to quit): ";
constexpr char kCtrlD = '\x04';

TEST(Terminal, ShowsEachPromptBeforeWaitingAndQuitsOnCtrlDAtTheMenu) {
  Terminal terminal;
  ASSERT_TRUE(terminal.waitFor(kChoice));
  terminal.type("2\n");
  ASSERT_TRUE(terminal.waitFor("How many entries are in the Pruefer Code?: "));
  terminal.type("1\n");
  ASSERT_TRUE(terminal.waitFor("1 Entry: "));
  terminal.type("9\n");
  // The terminal shows each line end as a carriage return and a line feed.
  ASSERT_TRUE(terminal.waitFor("\r\nPlease enter only an integer between 1 and 3\r\nEntry: "));
  terminal.type("3\n");
  ASSERT_TRUE(terminal.waitFor("1   0  0  1  \r\n2   0  0  1  \r\n3   1  1  0  \r\n"));
  ASSERT_TRUE(terminal.waitFor(kChoice));
  // A number without Enter, then Ctrl-D twice: the number is refused and the program ends,
  // without waiting for a third Ctrl-D.
  terminal.type("5" + std::string(2, kCtrlD));
  ASSERT_TRUE(terminal.waitFor(pruefer::testing::kChoiceRange + "\r\n" + kChoice));
  EXPECT_EQ(terminal.exitStatus(), 0);
  terminal.waitFor("\r\n");
  EXPECT_TRUE(terminal.screen().ends_with(kChoice + "\r\n"));
}

TEST(Terminal, GivesUpWithStatusOneOnCtrlDInsideARequest) {
  Terminal terminal;
  ASSERT_TRUE(terminal.waitFor(kChoice));
  terminal.type("1\n");
  ASSERT_TRUE(terminal.waitFor("How many vertices does your tree have?: "));
  terminal.type(std::string(1, kCtrlD));
  ASSERT_TRUE(terminal.waitFor("pruefer: the input ended before the request was finished"));
  // The message stands on a line of its own, below the prompt.
  EXPECT_NE(terminal.screen().find("have?: \r\npruefer: the input ended"), std::string::npos);
  EXPECT_EQ(terminal.exitStatus(), 1);
}

}  // namespace

#endif
