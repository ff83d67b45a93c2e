// Input that flushes output before each fetch: prompts are visible before any wait, and input
// already fetched is read without a flush per number.
#include "dialogue/flushing_input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/prompt.hpp"
#include "support.hpp"

namespace pruefer {
namespace {

// Hands out one line per fetch, as a terminal does, noting what had been written by then.
class TerminalLines : public std::streambuf {
 public:
  TerminalLines(std::vector<std::string> lines, const std::stringbuf& screen)
      : lines_(std::move(lines)), screen_(screen) {}
  std::vector<std::string> seenAtFetch;

 protected:
  int_type underflow() override {
    seenAtFetch.push_back(screen_.str());
    if (seenAtFetch.size() > lines_.size()) {
      return traits_type::eof();
    }
    std::string& line = lines_[seenAtFetch.size() - 1];
    setg(line.data(), line.data(), line.data() + line.size());
    return traits_type::to_int_type(line[0]);
  }

 private:
  std::vector<std::string> lines_;
  const std::stringbuf& screen_;
};

TEST(FlushingInput, ShowsEveryPromptBeforeFetchingItsAnswer) {
  testing::FlushMarkingBuffer screen;
  std::ostream out(&screen);
  TerminalLines terminal({"7\n", "1\n", "2\n"}, screen);
  FlushingInput input(terminal, out);
  std::istream in(&input);
  EXPECT_EQ(getBoundedInt(in, out, "A", 0, 5, ""), 1);
  EXPECT_EQ(getBoundedInt(in, out, "B", 0, 5, ""), 2);
  EXPECT_EQ(terminal.seenAtFetch,
            (std::vector<std::string>{
                "A: |", "A: |\n|Please enter only an integer between 0 and 5\n|A: |",
                "A: |\n|Please enter only an integer between 0 and 5\n|A: |B: |"}));
}

TEST(FlushingInput, ReadsInputAlreadyFetchedWithoutFlushing) {
  testing::FlushMarkingBuffer screen;
  std::ostream out(&screen);
  std::stringbuf piped("1\n2\n3\n");
  FlushingInput input(piped, out);
  std::istream in(&input);
  for (const int expected : {1, 2, 3}) {
    EXPECT_EQ(getBoundedInt(in, out, "N", 0, 5, ""), expected);
  }
  EXPECT_EQ(screen.str(), "N: |N: N: ");
}

}  // namespace
}  // namespace pruefer
