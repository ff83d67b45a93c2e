// Input that ends anywhere: at the menu the program quits, inside a request it gives up with
// status 1; it never asks forever.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support.hpp"

namespace pruefer {
namespace {

using testing::Outcome;

Outcome run(const std::string& typed) { return testing::runSession(typed); }

std::string transcriptInput(const std::string& name) {
  std::ifstream file(std::string(PRUEFER_TRANSCRIPTS) + "/" + name + ".in", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

const std::string kMenuPrompt = "Enter your choice (0 to quit): ";
const std::string kEnded = "pruefer: the input ended before the request was finished\n";

TEST(EndOfInput, QuitsAtTheMenuAndGivesUpInsideARequest) {
  EXPECT_EQ(run("").out.substr(run("").out.size() - kMenuPrompt.size() - 1), kMenuPrompt + "\n");
  const Outcome inRequest = run("1\n4\n1\n2\n");
  EXPECT_EQ(inRequest.status, 1);
  EXPECT_EQ(inRequest.err, kEnded);
  EXPECT_TRUE(inRequest.out.ends_with("Edge #2\nFirst Vertex: \n"));
  // Blank lines before the end are no attempt at a number: nothing is refused.
  const Outcome blank = run("1\n\n  \n");
  EXPECT_EQ(blank.status, 1);
  EXPECT_EQ(blank.out, testing::kMenu + "\nHow many vertices does your tree have?: \n");
  // A last number without its line end is refused as ever; then the input has ended.
  const Outcome cut = run("2\n1\n3");
  EXPECT_EQ(cut.status, 1);
  EXPECT_TRUE(
      cut.out.ends_with("1 Entry: \nPlease enter only an integer between 1 and 3\nEntry: \n"));
}

// Every prefix of real sessions ends by itself, with a status that fits where it was cut.
TEST(EndOfInput, EveryPrefixOfASessionEnds) {
  for (const std::string name :
       {"path_of_three", "not_a_tree", "code_requests", "typing_mistakes"}) {
    const std::string session = transcriptInput(name);
    ASSERT_FALSE(session.empty()) << name;
    const std::size_t fullLength = run(session).out.size();
    for (std::size_t length = 0; length <= session.size(); ++length) {
      const Outcome outcome = run(session.substr(0, length));
      SCOPED_TRACE(name + " cut after " + std::to_string(length) + " bytes");
      ASSERT_LE(outcome.out.size(), 2 * fullLength);
      if (outcome.status == 0) {
        ASSERT_EQ(outcome.err, "");
        ASSERT_TRUE(outcome.out.ends_with(kMenuPrompt) ||
                    outcome.out.ends_with(kMenuPrompt + "\n"));
      } else {
        ASSERT_EQ(outcome.status, 1);
        ASSERT_EQ(outcome.err, kEnded);
        ASSERT_TRUE(outcome.out.ends_with(": \n"));
      }
    }
  }
}

}  // namespace
}  // namespace pruefer
