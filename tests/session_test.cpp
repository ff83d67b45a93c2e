// Whole sessions driven in-process: where standard output is flushed, and the exit status.
#include "program/menu.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

namespace pruefer {
namespace {

// A viewer, as a web page has, that marks in the session's output where it is told of a matrix.
struct MarkingViewer final : TreeViewer {
  std::ostream* out = nullptr;
  void codeEntered(const CodeArray& code) override { *out << "<code of " << code.size() << ">"; }
  void matrixComing() override { *out << "<coming>"; }
  void matrixShown(const AdjacencyMatrix& matrix, Coding coding) override {
    *out << "<shown " << matrix.size()
         << (coding == Coding::encoding ? " encoding>" : " decoding>");
  }
};

// What a whole session writes, with a "|" at each flush, and the marks of `viewer` if given.
std::string flushesOf(const std::string& typed, MarkingViewer* viewer = nullptr) {
  std::istringstream in(typed);
  testing::FlushMarkingBuffer buffer;
  std::ostream out(&buffer);
  std::ostringstream err;
  Session session{in, out, err, MemoryBudget::fixed(std::uint64_t{1} << 30)};
  if (viewer != nullptr) {
    viewer->out = &out;
  }
  EXPECT_EQ(runMenu(session, viewer), 0);
  return buffer.str();
}

using testing::kMenu;

TEST(Session, FlushesAfterRefusalsMatrixRowsAndEachFinishedRequest) {
  EXPECT_EQ(flushesOf("9\n2\n1\n3\n0\n"),
            kMenu + "\n|" + testing::kChoiceRange + "\n|Enter your choice (0 to quit): " +
                "\nHow many entries are in the Pruefer Code?: "
                "Enter the numbers in the Pruefer Code at the prompts:\n1 Entry: " +
                "\nThe tree is given by the following matrix:\n\n    1  2  3  \n\n" +
                "1   0  0  1  \n|2   0  0  1  \n|3   1  1  0  \n|\n|" + "\n|" + kMenu + "|");
}

// The viewer is told of each matrix once all before it is out, and again once its last row is.
TEST(Session, TellsItsViewerJustBeforeAndJustAfterEachMatrix) {
  MarkingViewer viewer;
  const std::string text = flushesOf("2\n1\n3\n1\n3\n1\n2\n2\n3\n0\n", &viewer);
  const std::string heading = "\nThe tree is given by the following matrix:\n\n    1  2  3  \n\n";
  EXPECT_NE(
      text.find("1 Entry: <code of 3>|<coming>" + heading +
                "1   0  0  1  \n|2   0  0  1  \n|3   1  1  0  \n|\n|<shown 3 decoding>\n|" + kMenu),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("Second Vertex: |<coming>" + heading +
                      "1   0  1  0  \n|2   1  0  1  \n|3   0  1  0  \n|\n|<shown 3 encoding>" +
                      "\nThe Pruefer Code is ( 2 )\n\n|" + kMenu),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("<coming>", text.find("<coming>", text.find("<coming>") + 1) + 1),
            std::string::npos);
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
