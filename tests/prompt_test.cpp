// The bounded integer prompt: what it accepts, what it refuses and what it writes.
#include "session/prompt.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace pruefer {
namespace {

struct Answer {
  int value;
  std::string output;
  std::string rest;  // what is left of the input afterwards
};

Answer ask(const std::string& input, int low = 0, int high = 2, const std::string& complaint = "") {
  std::istringstream in(input);
  std::ostringstream out;
  Session session{in, out, out, MemoryBudget::fixed(0)};
  const int value = getBoundedInt(session, "Pick", {low, high}, complaint);
  return {value, out.str(), std::string(std::istreambuf_iterator<char>(in), {})};
}

const std::string kRefusal = "\nPlease enter only an integer between 0 and 2\nPick: ";

TEST(Prompt, AcceptsANumberAloneOnItsLineAndTakesTheLineEnd) {
  const Answer answer = ask("2\nnext\n");
  EXPECT_EQ(answer.value, 2);
  EXPECT_EQ(answer.output, "Pick: ");
  EXPECT_EQ(answer.rest, "next\n");
}

TEST(Prompt, AcceptsSignsBlanksLeadingZerosAndBounds) {
  EXPECT_EQ(ask("+1\n").value, 1);
  EXPECT_EQ(ask("   \t1\n").value, 1);
  EXPECT_EQ(ask("\n\n   \n2\n").output, "Pick: ");  // blank lines are skipped silently
  EXPECT_EQ(ask("0002\n").value, 2);
  EXPECT_EQ(ask("-0\n").value, 0);
  EXPECT_EQ(ask("2147483647\n", 3, 2147483647).value, 2147483647);
  EXPECT_EQ(ask("-2147483648\n", -2147483648, 0).value, -2147483648);
}

TEST(Prompt, RefusesWithComplaintAndRangeThenAsksAgain) {
  const Answer answer = ask("3\n1\n");
  EXPECT_EQ(answer.value, 1);
  EXPECT_EQ(answer.output, "Pick: " + kRefusal);
  EXPECT_EQ(ask("2\n3\n", 3, 7, "Too few.").output,
            "Pick: Too few.\nPlease enter only an integer between 3 and 7\nPick: ");
}

TEST(Prompt, RefusesAnythingButANumberFollowedByTheLineEnd) {
  for (const std::string line : {"2 ", "2x", "2\r", "x", "-", "+ 1", "1.0", "0x1", "-1", "3",
                                 "2147483648", "-2147483649", "99999999999999999999"}) {
    const Answer answer = ask(line + "\n1\n");
    EXPECT_EQ(answer.value, 1) << line;
    EXPECT_EQ(answer.output, "Pick: " + kRefusal) << line;
  }
}

TEST(Prompt, DiscardsAtMost1024CharactersOfARefusedLine) {
  // The first 1024 characters go; the 7 after them is read by the next attempt.
  const Answer answer = ask("x" + std::string(1023, 'y') + "7\n", 0, 9);
  EXPECT_EQ(answer.value, 7);
  EXPECT_EQ(answer.output, "Pick: \nPlease enter only an integer between 0 and 9\nPick: ");
  // A longer remainder is refused again on its own.
  EXPECT_EQ(ask(std::string(1030, 'y') + "\n1\n").output, "Pick: " + kRefusal + kRefusal);
}

}  // namespace
}  // namespace pruefer
