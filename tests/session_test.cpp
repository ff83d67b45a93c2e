// Whole sessions driven in-process: where standard output is flushed, and the exit status.
#include "program/menu.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support.hpp"

namespace pruefer {
namespace {

std::string flushesOf(const std::string& typed) {
  std::istringstream in(typed);
  testing::FlushMarkingBuffer buffer;
  std::ostream out(&buffer);
  std::ostringstream err;
  Session session{in, out, err, MemoryBudget::fixed(std::uint64_t{1} << 30)};
  EXPECT_EQ(runMenu(session), 0);
  return buffer.str();
}

using testing::kMenu;

TEST(Session, FlushesAfterRefusalsMatrixRowsAndEachFinishedRequest) {
  EXPECT_EQ(
      flushesOf("9\n2\n1\n3\n0\n"),
      kMenu + "\n|Please enter only an integer between 0 and 2\n|Enter your choice (0 to quit): " +
          "\nHow many entries are in the Pruefer Code?: "
          "Enter the numbers in the Pruefer Code at the prompts:\n1 Entry: " +
          "\nThe tree is given by the following matrix:\n\n    1  2  3  \n\n" +
          "1   0  0  1  \n|2   0  0  1  \n|3   1  1  0  \n|\n|" + "\n|" + kMenu + "|");
}

TEST(Session, ShowsTheMenuStraightAfterAGraphThatIsNoTree) {
  const std::string text = flushesOf("1\n4\n1\n2\n2\n3\n3\n1\n0\n");
  EXPECT_NE(text.find("4   0  0  0  0  \n|\n|\nThe graph you entered was not a tree, so it has no "
                      "Pruefer Code.\n\n" +
                      kMenu),
            std::string::npos);
}

}  // namespace
}  // namespace pruefer
