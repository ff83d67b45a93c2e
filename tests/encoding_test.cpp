// Pruefer encoding: the code of a tree, and graphs that are not trees.
#include "tree/encoding.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "requests/code_of_tree.hpp"
#include "support.hpp"

namespace pruefer {
namespace {

using testing::codeArrayOf;
using testing::Edge;
using testing::edgesOf;
using testing::matrixOf;

std::vector<Vertex> encoded(Vertex n, const std::vector<Edge>& edges) {
  AdjacencyMatrix matrix = matrixOf(n, edges);
  CodeArray code(static_cast<std::size_t>(n), 0);
  WalkSpace space(n);
  findPrueferCode(matrix, code, space);
  EXPECT_EQ(code.front(), 0);
  EXPECT_EQ(code.back(), 0);
  return {code.begin() + 1, code.end() - 1};
}

TEST(Encoding, FindsTheCodesOfKnownTrees) {
  EXPECT_EQ(encoded(3, {{1, 2}, {2, 3}}), (std::vector<Vertex>{2}));
  EXPECT_EQ(encoded(5, {{1, 2}, {1, 3}, {1, 4}, {1, 5}}), (std::vector<Vertex>{1, 1, 1}));
  EXPECT_EQ(encoded(6, {{1, 4}, {2, 4}, {3, 4}, {4, 5}, {5, 6}}),
            (std::vector<Vertex>{4, 4, 4, 5}));
  // Leaves 2 and 5 share neighbour 3: the lower one goes first.
  EXPECT_EQ(encoded(5, {{5, 3}, {3, 2}, {3, 1}, {1, 4}}), (std::vector<Vertex>{3, 1, 3}));
}

TEST(Encoding, RaisesNotATreeForAGraphWithACycle) {
  EXPECT_THROW(encoded(4, {{1, 2}, {2, 3}, {3, 1}}), NotATree);
  EXPECT_THROW(encoded(5, {{1, 2}, {2, 3}, {3, 1}, {4, 5}}), NotATree);
  EXPECT_THROW(encoded(6, {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {4, 5}}), NotATree);
}

// Every code of every length up to 5 names a tree whose code it is.
TEST(Encoding, UndoesTheDecodingOfEveryShortCode) {
  for (Vertex n = 2; n <= 7; ++n) {
    std::vector<Vertex> entries(static_cast<std::size_t>(n - 2), 1);
    for (;;) {
      CodeArray code = codeArrayOf(entries);
      AdjacencyMatrix matrix(n);
      WalkSpace space(n);
      findTree(matrix, code, space);
      if (n >= 3) {
        ASSERT_EQ(encoded(n, edgesOf(matrix)), entries);
      }
      std::size_t digit = 0;
      while (digit < entries.size() && entries[digit] == n) {
        entries[digit++] = 1;
      }
      if (digit == entries.size()) {
        break;
      }
      ++entries[digit];
    }
  }
}

// The README's example: two leaves on one vertex, a vertex that becomes a leaf on the way, and a
// new leaf lower than an old one; the edge left over joins vertex n.
// Decoding its code walks through the same choices, the entries taking the lowest in turn.
TEST(Encoding, WalksLowestLeafFirstAndLeavesTheEdgeOfVertexN) {
  const AdjacencyMatrix example = matrixOf(7, {{1, 4}, {2, 4}, {4, 5}, {3, 5}, {5, 6}, {6, 7}});
  const Walk walk{
      {{{1, 2, 3, 7}, 1, 4}, {{2, 3, 7}, 2, 4}, {{3, 4, 7}, 3, 5}, {{4, 7}, 4, 5}, {{5, 7}, 5, 6}},
      6,
      7};
  EXPECT_EQ(walkEncoding(example), walk);
  EXPECT_EQ(walkDecoding(codeArrayOf({4, 4, 5, 5, 6})), walk);
  EXPECT_EQ(walkEncoding(matrixOf(2, {{1, 2}})), (Walk{{}, 1, 2}));
  EXPECT_EQ(walkDecoding(codeArrayOf({})), (Walk{{}, 1, 2}));
  EXPECT_THROW(walkEncoding(matrixOf(4, {{1, 2}, {2, 3}, {3, 1}})), NotATree);
}

TEST(Encoding, PrintsTheCodeBetweenParentheses) {
  std::ostringstream out;
  printPrueferCode(out, codeArrayOf({4, 4, 4, 5}));
  EXPECT_EQ(out.str(), "\nThe Pruefer Code is ( 4 4 4 5 )\n");
}

}  // namespace
}  // namespace pruefer
