// Pruefer decoding: the tree rebuilt from a code.
#include "tree/decoding.hpp"

#include <gtest/gtest.h>

#include "support.hpp"

namespace pruefer {
namespace {

using testing::codeArrayOf;
using testing::Edge;
using testing::edgesOf;

std::vector<Edge> decoded(const std::vector<Vertex>& entries) {
  CodeArray code = codeArrayOf(entries);
  AdjacencyMatrix matrix(static_cast<Vertex>(code.size()));
  WalkSpace space(matrix.size());
  findTree(matrix, code, space);
  EXPECT_EQ(code, CodeArray(code.size(), 0)) << "the decoding consumes every entry";
  return edgesOf(matrix);
}

TEST(Decoding, RebuildsTheTreesOfKnownCodes) {
  EXPECT_EQ(decoded({}), (std::vector<Edge>{{1, 2}}));
  EXPECT_EQ(decoded({1}), (std::vector<Edge>{{1, 2}, {1, 3}}));
  EXPECT_EQ(decoded({3}), (std::vector<Edge>{{1, 3}, {2, 3}}));
  EXPECT_EQ(decoded({4, 4, 4, 5}), (std::vector<Edge>{{1, 4}, {2, 4}, {3, 4}, {4, 5}, {5, 6}}));
  EXPECT_EQ(decoded({2, 2, 2}), (std::vector<Edge>{{1, 2}, {2, 3}, {2, 4}, {2, 5}}));
  // A vertex freed by its last entry is the next leaf when it is the lowest one.
  EXPECT_EQ(decoded({3, 1}), (std::vector<Edge>{{1, 3}, {1, 4}, {2, 3}}));
}

}  // namespace
}  // namespace pruefer
