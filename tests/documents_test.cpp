// The sample sessions of the README and the manual page, run through the real program: each
// must show exactly what the program prints, so that no change of a text leaves them stale.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "launch.hpp"
#include "session/memory_budget.hpp"
#include "support.hpp"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// What the program writes to standard output when `typed` is piped into it.
std::string outputFor(const std::string& typed) {
#ifdef _WIN32
  return typed;  // never reached: the tests that call it skip on Windows
#else
  const pruefer::testing::Ended ended = pruefer::testing::runProgram(typed);
  EXPECT_EQ(ended.status, 0) << ended.err;
  return ended.out;
#endif
}

// The argument of the first `printf '...'` in `text`, its \n turned into line ends.
std::string printfInput(const std::string& text, const std::string& lineEnd) {
  const auto start = text.find("printf '") + 8;
  std::string input = text.substr(start, text.find('\'', start) - start);
  for (std::size_t at; (at = input.find(lineEnd)) != std::string::npos;) {
    input.replace(at, lineEnd.size(), "\n");
  }
  return input;
}

// A session as a terminal shows it: what is typed follows its prompt, and its Enter ends the
// line. Sets `typed` to what was typed and returns what the program itself wrote.
std::string splitTerminalSession(const std::string& screen, std::string& typed) {
  std::string written;
  for (const std::string& line : linesOf(screen)) {
    const auto prompt = line.rfind(": ");
    if (prompt != std::string::npos && prompt + 2 < line.size()) {
      typed += line.substr(prompt + 2) + "\n";
      written += line.substr(0, prompt + 2);
    } else {
      written += line + "\n";
    }
  }
  return written;
}

// The fenced blocks of a Markdown text that follow the line `marker`, without their last line
// end, which the fence needs.
std::vector<std::string> blocksAfter(const std::string& text, const std::string& marker) {
  std::vector<std::string> blocks;
  for (auto at = text.find(marker + "\n```\n"); at != std::string::npos;
       at = text.find(marker + "\n```\n", at + 1)) {
    const auto start = at + marker.size() + 5;
    blocks.push_back(text.substr(start, text.find("\n```\n", start) - start));
  }
  return blocks;
}

const fs::path kSources = PRUEFER_SOURCES;

TEST(Documents, TheReadmesSessionsAreWhatTheProgramPrints) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the program through a POSIX shell";
#endif
  const std::string readme = readFile(kSources / "README.md");
  const auto sessions = blocksAfter(readme, "<!-- session -->");
  ASSERT_FALSE(sessions.empty());
  for (const std::string& screen : sessions) {
    std::string typed;
    const std::string written = splitTerminalSession(screen, typed);
    EXPECT_EQ(outputFor(typed), written) << "typed:\n" << typed;
  }
  const auto marker = std::string("<!-- output of the printf above -->");
  const auto piped = blocksAfter(readme, marker);
  ASSERT_EQ(piped.size(), 1u);
  const auto command = readme.rfind("printf '", readme.find(marker));
  EXPECT_EQ(outputFor(printfInput(readme.substr(command), "\\n")), piped[0]);
}

// The manual page shows its example's output without the blanks at the ends of lines.
TEST(Documents, TheManualPagesExampleIsWhatTheProgramPrints) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the program through a POSIX shell";
#endif
  const std::string page = readFile(kSources / "doc" / "pruefer.1.in");
  const std::string examples = page.substr(page.find(".SH EXAMPLES"));
  const auto shown = examples.find(".nf\n", examples.find("printf '")) + 4;
  std::string expected;
  for (std::string line : linesOf(examples.substr(shown, examples.find("\n.fi", shown) - shown))) {
    for (const auto& [escape, text] : {std::pair{"\\&", ""}, {"\\-", "-"}, {"\\e", "\\"}}) {
      for (std::size_t at; (at = line.find(escape)) != std::string::npos;) {
        line.replace(at, std::string(escape).size(), text);
      }
    }
    expected += line + "\n";
  }
  std::string printed;
  for (std::string line : linesOf(outputFor(printfInput(examples, "\\en")))) {
    printed += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
  }
  EXPECT_EQ(printed, expected);
}

// The README names the largest tree whose request is made without asking the system for memory;
// one vertex more, and the request asks.
TEST(Documents, TheReadmeNamesTheLargestRequestMadeWithoutAsking) {
  const std::string readme = readFile(kSources / "README.md");
  const std::string before = "(trees of up to ";
  const auto at = readme.find(before);
  ASSERT_NE(at, std::string::npos);
  std::string digits;
  for (auto c = readme.begin() + static_cast<std::ptrdiff_t>(at + before.size());
       std::isdigit(static_cast<unsigned char>(*c)) || *c == ','; ++c) {
    digits += *c == ',' ? "" : std::string(1, *c);
  }
  const int named = std::stoi(digits);
  for (const int n : {named, named + 1}) {
    for (const std::string& request : {"1\n" + std::to_string(n), "2\n" + std::to_string(n - 2)}) {
      int asked = 0;
      const auto count = [&asked] { return ++asked, UINT64_MAX; };
      pruefer::testing::runSession(
          request + "\n", pruefer::MemoryBudget::reading(count, pruefer::kSurelyAvailable));
      EXPECT_EQ(asked, n == named ? 0 : 1) << request;
    }
  }
}

}  // namespace
