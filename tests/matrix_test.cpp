// The adjacency matrix: its cells and its exact printout.
#include "tree/adjacency_matrix.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "requests/matrix_printout.hpp"
#include "support.hpp"

namespace pruefer {
namespace {

using testing::matrixOf;

std::string printed(const AdjacencyMatrix& matrix) {
  std::ostringstream out;
  printMatrix(out, matrix);
  return out.str();
}

TEST(Matrix, PrintsHeadingColumnsAndRowsWithTheirTrailingBlanks) {
  EXPECT_EQ(printed(matrixOf(3, {{1, 2}, {2, 3}})),
            "\nThe tree is given by the following matrix:\n\n"
            "    1  2  3  \n\n"
            "1   0  1  0  \n"
            "2   1  0  1  \n"
            "3   0  1  0  \n\n");
  EXPECT_EQ(printed(matrixOf(2, {{1, 2}})),
            "\nThe tree is given by the following matrix:\n\n"
            "    1  2  \n\n"
            "1   0  1  \n"
            "2   1  0  \n\n");
  EXPECT_EQ(printed(AdjacencyMatrix(2)),
            "\nThe tree is given by the following matrix:\n\n"
            "    1  2  \n\n"
            "1   0  0  \n"
            "2   0  0  \n\n");
}

TEST(Matrix, PadsNothingFromVertexTenOn) {
  const std::string text = printed(matrixOf(11, {{10, 11}}));
  EXPECT_NE(text.find("\n    1  2  3  4  5  6  7  8  9  10  11  \n\n"), std::string::npos);
  EXPECT_NE(text.find("\n9   0  0  0  0  0  0  0  0  0  0  0  \n"
                      "10   0  0  0  0  0  0  0  0  0  0  1  \n"
                      "11   0  0  0  0  0  0  0  0  0  1  0  \n\n"),
            std::string::npos);
}

}  // namespace
}  // namespace pruefer
