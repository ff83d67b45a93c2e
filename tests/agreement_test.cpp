// The fast decoding, encoding and sparse matrix against straightforward versions, on every small
// input and on thousands of random ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <span>

#include "reference.hpp"
#include "support.hpp"
#include "tree/decoding.hpp"
#include "tree/edge_set.hpp"
#include "tree/encoding.hpp"
#include "tree/walk.hpp"

namespace pruefer {
namespace {

using testing::codeArrayOf;
using testing::Edge;
using testing::edgesOf;
using testing::matrixOf;

reference::DenseMatrix denseOf(Vertex n, const std::vector<Edge>& edges) {
  reference::DenseMatrix dense = reference::emptyMatrix(n);
  for (const auto& [a, b] : edges) {
    dense[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = 1;
    dense[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = 1;
  }
  return dense;
}

std::vector<Edge> edgesOf(const reference::DenseMatrix& dense) {
  std::vector<Edge> edges;
  for (std::size_t i = 1; i < dense.size(); ++i) {
    for (std::size_t j = i + 1; j < dense.size(); ++j) {
      if (dense[i][j] != 0) {
        edges.emplace_back(static_cast<Vertex>(i), static_cast<Vertex>(j));
      }
    }
  }
  return edges;
}

// A walk's steps choose from the vertices the slow walk found, take the lowest and pair it with
// the code's entry; with the edge left over, they name each of the tree's edges once.
void expectWalk(const Walk& walk, const reference::Choices& choices, const CodeArray& code,
                const std::vector<Edge>& joined) {
  ASSERT_EQ(walk.steps.size(), choices.size());
  std::vector<Edge> edges;
  for (std::size_t k = 0; k < choices.size(); ++k) {
    ASSERT_EQ(walk.steps[k].choices, choices[k]) << "step " << k + 1;
    ASSERT_EQ(walk.steps[k].lowest, choices[k].front());
    ASSERT_EQ(walk.steps[k].entry, code[k + 1]);
    edges.push_back(std::minmax(walk.steps[k].lowest, walk.steps[k].entry));
  }
  ASSERT_LT(walk.lastLow, walk.lastHigh);
  edges.emplace_back(walk.lastLow, walk.lastHigh);
  std::sort(edges.begin(), edges.end());
  ASSERT_EQ(edges, joined);
}

// Both encodings give the same code, or both find that the edges are no tree.
void expectSameEncoding(Vertex n, const std::vector<Edge>& edges) {
  reference::DenseMatrix dense = denseOf(n, edges);
  const std::vector<Edge> joined = edgesOf(dense);
  CodeArray expected(static_cast<std::size_t>(n), 0);
  reference::Choices leaves;
  const bool isTree = reference::findPrueferCode(dense, expected, &leaves);
  CodeArray actual(static_cast<std::size_t>(n), 0);
  bool raised = false;
  try {
    const AdjacencyMatrix matrix = matrixOf(n, edges);
    ASSERT_EQ(edgesOf(matrix), joined);
    WalkSpace space(n);
    findPrueferCode(matrix, actual, space);
  } catch (const NotATree&) {
    raised = true;
  }
  ASSERT_EQ(raised, !isTree) << ::testing::PrintToString(edges);
  if (isTree) {
    ASSERT_EQ(actual, expected) << ::testing::PrintToString(edges);
    const Walk walk = walkEncoding(matrixOf(n, edges));
    expectWalk(walk, leaves, expected, joined);
    ASSERT_EQ(walk.lastHigh, n);  // vertex n is never removed
  }
}

void expectSameDecoding(const CodeArray& code) {
  const auto n = static_cast<Vertex>(code.size());
  CodeArray fastCode = code;
  AdjacencyMatrix matrix(n);
  WalkSpace space(n);
  findTree(matrix, fastCode, space);
  CodeArray slowCode = code;
  reference::DenseMatrix dense = reference::emptyMatrix(n);
  reference::Choices free;
  reference::findTree(dense, slowCode, &free);
  ASSERT_EQ(edgesOf(matrix), edgesOf(dense)) << ::testing::PrintToString(code);
  ASSERT_EQ(fastCode, slowCode);
  expectWalk(walkDecoding(code), free, code, edgesOf(dense));
}

// Calls `visit` with every set of `count` distinct edges among the pairs given.
template <typename Visit>
void forEachEdgeSet(const std::vector<Edge>& pairs, std::size_t count, Visit visit) {
  std::vector<bool> chosen(pairs.size(), false);
  std::fill(chosen.begin(), chosen.begin() + static_cast<std::ptrdiff_t>(count), true);
  do {
    std::vector<Edge> edges;
    for (std::size_t p = 0; p < pairs.size(); ++p) {
      if (chosen[p]) {
        edges.push_back(pairs[p]);
      }
    }
    visit(edges);
  } while (std::prev_permutation(chosen.begin(), chosen.end()));
}

std::vector<Edge> allPairs(Vertex n) {
  std::vector<Edge> pairs;
  for (Vertex a = 1; a <= n; ++a) {
    for (Vertex b = a + 1; b <= n; ++b) {
      pairs.emplace_back(a, b);
    }
  }
  return pairs;
}

TEST(Agreement, EncodingOfEverySmallGraphWithOneEdgeFewerThanVertices) {
  for (Vertex n = 3; n <= 7; ++n) {
    forEachEdgeSet(allPairs(n), static_cast<std::size_t>(n - 1),
                   [n](const std::vector<Edge>& edges) { expectSameEncoding(n, edges); });
  }
}

TEST(Agreement, DecodingOfEveryShortCode) {
  for (Vertex n = 2; n <= 7; ++n) {
    CodeArray code(static_cast<std::size_t>(n), 0);
    const auto entries = std::span(code).subspan(1, static_cast<std::size_t>(n - 2));
    std::fill(entries.begin(), entries.end(), 1);
    for (;;) {
      expectSameDecoding(code);
      auto digit = entries.begin();
      for (; digit != entries.end() && *digit == n; ++digit) {
        *digit = 1;
      }
      if (digit == entries.end()) {
        break;
      }
      ++*digit;
    }
  }
}

// Random trees, random graphs of n - 1 distinct edges, and forests with cycles closed in them
// (isolated vertices, isolated edges, cycles with pendant paths) up to 40 vertices.
TEST(Agreement, EncodingOfRandomTreesAndGraphs) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 3000; ++round) {
    const Vertex n = std::uniform_int_distribution<Vertex>(3, 40)(random);
    std::vector<Vertex> labels(static_cast<std::size_t>(n));
    std::iota(labels.begin(), labels.end(), 1);
    std::shuffle(labels.begin(), labels.end(), random);
    const auto label = [&labels](Vertex v) { return labels[static_cast<std::size_t>(v - 1)]; };
    AdjacencyMatrix graph(n);
    EdgeSet typed(n);
    const int roots = round % 3 == 0 ? 1 : std::uniform_int_distribution<int>(1, 4)(random);
    for (Vertex v = roots + 1; v <= n; ++v) {
      const Vertex parent = label(std::uniform_int_distribution<Vertex>(1, v - 1)(random));
      typed.insert(label(v), parent);
      graph.join(label(v), parent);
    }
    std::uniform_int_distribution<Vertex> any(1, n);
    for (int tries = 0; static_cast<Vertex>(edgesOf(graph).size()) < n - 1 && tries < 1000;
         ++tries) {
      const Vertex a = any(random);
      const Vertex b = any(random);
      if (a != b && typed.insert(a, b)) {
        graph.join(a, b);
      }
    }
    expectSameEncoding(n, edgesOf(graph));
  }
}

// The densest graphs that can be typed: complete graphs on 1 to m, padded with isolated vertices
// to as many vertices as edges plus one. No tree, but their matrix is shown all the same.
TEST(Agreement, EncodingOfCompleteGraphsPaddedWithIsolatedVertices) {
  for (Vertex m = 3; m <= 40; ++m) {
    expectSameEncoding(m * (m - 1) / 2 + 1, allPairs(m));
  }
}

TEST(Agreement, DecodingOfRandomCodes) {
  std::mt19937 random(8122026);
  for (int round = 0; round < 3000; ++round) {
    const Vertex n = std::uniform_int_distribution<Vertex>(2, 60)(random);
    // Narrow ranges of entries give stars and vertices repeated many times.
    const Vertex high = std::uniform_int_distribution<Vertex>(1, n)(random);
    CodeArray code(static_cast<std::size_t>(n), 0);
    for (std::size_t t = 1; t + 1 < code.size(); ++t) {
      code[t] = std::uniform_int_distribution<Vertex>(1, high)(random);
    }
    expectSameDecoding(code);
  }
}

// The sparse matrix against a dense one as the n - 1 edges it has room for are joined, its rows
// growing and moving.
TEST(Agreement, MatrixRowsAgreeWithADenseMatrixAsEdgesAreJoined) {
  std::mt19937 random(42);
  for (int round = 0; round < 200; ++round) {
    const Vertex n = std::uniform_int_distribution<Vertex>(2, 40)(random);
    AdjacencyMatrix sparse(n);
    reference::DenseMatrix dense = reference::emptyMatrix(n);
    std::uniform_int_distribution<Vertex> any(1, n);
    // Vertex 1 gets most of the edges, so that its row grows long, as a star's centre does.
    for (Vertex edges = 0, step = 0; edges < n - 1; ++step) {
      const Vertex a = step % 4 == 3 ? any(random) : 1;
      const Vertex b = any(random);
      auto& cell = dense[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
      if (a == b || cell == 1) {
        continue;
      }
      sparse.join(a, b);
      cell = dense[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = 1;
      ++edges;
      ASSERT_EQ(edgesOf(sparse), edgesOf(dense));
    }
  }
}

}  // namespace
}  // namespace pruefer
