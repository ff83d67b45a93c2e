// The buffers between a session and the system: prompts are shown before any wait, input already
// fetched is read without a flush per number, and a failed read or write ends the session with
// status 2 and one line on standard error, having read nothing more.
#include "session/stream_buffers.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "session/prompt.hpp"
#include "support.hpp"

namespace pruefer {
namespace {

// A scripted system: standard input hands out one chunk per read, standard output is recorded
// with a "|" at every flush, and one chosen read or write fails.
struct FakeSystem {
  explicit FakeSystem(std::vector<std::string> typed) : chunks(std::move(typed)) {}
  std::vector<std::string> chunks;
  int failingRead = -1;
  int failingWrite = -1;
  std::size_t mostPerWrite = SIZE_MAX;  // a write takes no more, as a pipe may take less
  int reads = 0;
  int writes = 0;
  int readsAfterFailure = 0;
  bool failed = false;
  std::string screen;
  std::vector<std::string> seenAtRead;

  std::size_t read(char* data, std::size_t size) {
    seenAtRead.push_back(screen);
    readsAfterFailure += failed ? 1 : 0;
    if (reads++ == failingRead) {
      failed = true;
      throw StreamError("read", std::error_code(EIO, std::system_category()));
    }
    const std::size_t chunk = static_cast<std::size_t>(reads - 1);
    if (chunk >= chunks.size()) {
      return 0;
    }
    EXPECT_LE(chunks[chunk].size(), size);
    return chunks[chunk].copy(data, size);
  }

  std::size_t write(const char* data, std::size_t size) {
    EXPECT_GT(size, 0u) << "an empty write";  // whose effect POSIX leaves open for a pipe
    if (writes++ == failingWrite) {
      failed = true;
      throw StreamError("write", std::error_code(EIO, std::system_category()));
    }
    size = std::min(size, mostPerWrite);
    screen.append(data, size) += '|';
    return size;
  }

  testing::Outcome run();
};

// The streams of a session over a fake system.
struct Streams {
  explicit Streams(FakeSystem& system)
      : output([&system](const char* data, std::size_t size) { return system.write(data, size); }),
        input([&system](char* data, std::size_t size) { return system.read(data, size); }, output) {
  }
  OutputBuffer output;
  InputBuffer input;
  std::istream in{&input};
  std::ostream out{&output};
  std::ostringstream err;
  Session session{in, out, err, MemoryBudget::fixed(std::uint64_t{1} << 30)};
};

// Runs a whole session over this system.
testing::Outcome FakeSystem::run() {
  Streams streams(*this);
  const int status = runMenu(streams.session);
  return {status, screen, streams.err.str()};
}

const std::vector<std::string> kLines = {"2\n", "x\n", "1\n", "3\n", "1\n", "4\n", "1\n",
                                         "2\n", "2\n", "3\n", "3\n", "1\n", "0\n"};

TEST(StreamBuffers, ShowEveryPromptBeforeFetchingItsAnswer) {
  FakeSystem terminal({"7\n", "1\n", "2\n"});
  Streams streams(terminal);
  EXPECT_EQ(getBoundedInt(streams.session, "A", {0, 5}), 1);
  EXPECT_EQ(getBoundedInt(streams.session, "B", {0, 5}), 2);
  EXPECT_EQ(terminal.seenAtRead,
            (std::vector<std::string>{
                "A: |", "A: |\n|Please enter only an integer between 0 and 5\n|A: |",
                "A: |\n|Please enter only an integer between 0 and 5\n|A: |B: |"}));
}

TEST(StreamBuffers, ReadInputAlreadyFetchedWithoutFlushing) {
  FakeSystem piped({"1\n2\n3\n"});
  Streams streams(piped);
  for (const int expected : {1, 2, 3}) {
    EXPECT_EQ(getBoundedInt(streams.session, "N", {0, 5}), expected);
  }
  streams.out.flush();
  EXPECT_EQ(piped.screen, "N: |N: N: |");
}

// Prompts for thousands of entries fill the output buffer many times over, a character at a
// time and with no flush between them: every byte must still go out, in order.
TEST(StreamBuffers, PassOnEveryByteAcrossManyBuffersFull) {
  std::string typed = "2\n20000\n";
  for (int entry = 1; entry < 20000; ++entry) {
    typed += "1\n";
  }
  FakeSystem piped({typed});
  const testing::Outcome outcome = piped.run();
  std::string written = outcome.out;
  std::erase(written, '|');
  EXPECT_EQ(outcome.status, 1);
  EXPECT_GT(written.size(), std::size_t{3} << 16);
  EXPECT_EQ(written, testing::runSession(typed).out);
  // The same a character at a time through put(), which meets a full buffer, into a system that
  // takes at most 1000 bytes a write.
  FakeSystem sink({});
  sink.mostPerWrite = 1000;
  Streams streams(sink);
  for (const char c : written) {
    streams.out.put(c);
  }
  streams.out.write(written.data(), static_cast<std::streamsize>(written.size()));
  streams.out.flush();
  std::erase(sink.screen, '|');
  EXPECT_EQ(sink.screen, written + written);
}

// A terminal reports the end of input once per Ctrl-D: a number typed without Enter, then
// Ctrl-D twice, is refused, and then the program ends without waiting for a third.
TEST(StreamBuffers, NeverReadAgainOnceTheInputHasEnded) {
  FakeSystem terminal({"5", "", "0\n"});
  const testing::Outcome outcome = terminal.run();
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(terminal.reads, 2);
  EXPECT_TRUE(outcome.out.ends_with("\n|" + testing::kChoiceRange + "\n|" +
                                    testing::kMenu.substr(testing::kMenu.rfind('E')) + "\n|"));
}

TEST(StreamBuffers, EndTheSessionAtTheFirstFailedReadOrWrite) {
  const std::string reason = std::error_code(EIO, std::system_category()).message();
  FakeSystem whole(kLines);
  ASSERT_EQ(whole.run().status, 0);
  for (int failing = 0; failing < whole.reads + whole.writes; ++failing) {
    FakeSystem system(kLines);
    const bool isRead = failing < whole.reads;
    (isRead ? system.failingRead : system.failingWrite) = isRead ? failing : failing - whole.reads;
    const testing::Outcome outcome = system.run();
    SCOPED_TRACE((isRead ? "read " : "write ") + std::to_string(failing));
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              std::string("pruefer: ") + (isRead ? "read" : "write") + " error: " + reason + "\n");
    EXPECT_EQ(system.readsAfterFailure, 0);
  }
}

}  // namespace
}  // namespace pruefer
