// What a code tells of its tree, checked against the tree itself: every code of 4 to 7 vertices
// built into its tree, its leaves and degrees read off the tree and its trees counted one by one;
// and the exercises on it drawn from seeds, each answer the tree's.
#include "tree/code_facts.hpp"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tree/exercise.hpp"

namespace pruefer {
namespace {

// The degree of each vertex of the tree whose code array is given, read off the tree.
std::vector<Vertex> degreesOfTree(const CodeArray& code) {
  const auto n = static_cast<Vertex>(code.size());
  AdjacencyMatrix tree(n);
  CodeArray consumed = code;
  WalkSpace space(n);
  findTree(tree, consumed, space);
  std::vector<Vertex> degrees(code.size() + 1, 0);
  for (Vertex v = 1; v <= n; ++v) {
    degrees[static_cast<std::size_t>(v)] = static_cast<Vertex>(tree.ones(v).size());
  }
  return degrees;
}

std::vector<Vertex> leavesOfTree(const CodeArray& code) {
  const std::vector<Vertex> degrees = degreesOfTree(code);
  std::vector<Vertex> leaves;
  for (std::size_t v = 1; v < degrees.size(); ++v) {
    if (degrees[v] == 1) leaves.push_back(static_cast<Vertex>(v));
  }
  return leaves;
}

// The next code array on n vertices in counting order, or false after the last.
bool nextCode(CodeArray& code, Vertex n) {
  for (std::size_t k = code.size() - 2; k >= 1; --k) {
    if (code[k] < n) {
      ++code[k];
      return true;
    }
    code[k] = 1;
  }
  return false;
}

// Every code of 4 to 7 vertices: its tree's leaves and degrees are the code's, and the trees,
// counted one by one and by their degrees, are as many as the formulas say.
TEST(CodeFacts, EveryCodeTellsItsTreesLeavesDegreesAndCount) {
  for (Vertex n = 4; n <= 7; ++n) {
    CodeArray code(static_cast<std::size_t>(n), 1);
    code.front() = code.back() = 0;
    std::uint64_t trees = 0;
    std::map<std::vector<Vertex>, std::uint64_t> byDegrees;
    do {
      const std::vector<Vertex> degrees = degreesOfTree(code);
      ASSERT_EQ(degreesOf(code), degrees);
      ASSERT_EQ(leavesOf(code), leavesOfTree(code));
      ++trees;
      ++byDegrees[degrees];
    } while (nextCode(code, n));
    EXPECT_EQ(treesOn(n), trees) << n;
    for (const auto& [degrees, count] : byDegrees) {
      EXPECT_EQ(treesWithDegrees(degrees), count) << n;
    }
  }
  EXPECT_EQ(treesOn(12), 61917364224U);
  EXPECT_EQ(treesWithDegrees({0, 11, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), 1U);       // a star
  EXPECT_EQ(treesWithDegrees({0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1}), 3628800U);  // paths, 10!
}

// The exercises of every kind at every size a learner may choose: each answer is the tree's,
// both forms of the kinds that have two are drawn, and a nearly right code is wrong in one place.
TEST(CodeFacts, ExercisesAreAnsweredAsTheirTreesSay) {
  std::map<Question, int> forms;
  for (Vertex n = 4; n <= 12; ++n) {
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
      const FactExercise leaves = factExercise(n, seed, CodeFact::kLeaves);
      ASSERT_EQ(leaves.leaves, leavesOfTree(leaves.code));
      const FactExercise degree = factExercise(n, seed, CodeFact::kDegree);
      const auto at = static_cast<std::size_t>(degree.vertex);
      ASSERT_EQ(degree.answer, static_cast<std::uint64_t>(degreesOfTree(degree.code)[at]));
      ASSERT_GE(degree.answer, 2U);
      const FactExercise count = factExercise(n, seed, CodeFact::kCount);
      ++forms[count.question];
      ASSERT_EQ(count.answer, count.question == Question::kAll
                                  ? treesOn(n)
                                  : treesWithDegrees(degreesOfTree(count.code)));
      const FactExercise codeOf = factExercise(n, seed, CodeFact::kCodeOf);
      ++forms[codeOf.question];
      std::vector<std::size_t> differ;
      for (std::size_t k = 1; k + 1 < codeOf.code.size(); ++k) {
        if (codeOf.list[k] != codeOf.code[k]) differ.push_back(k);
        ASSERT_TRUE(codeOf.list[k] >= 1 && codeOf.list[k] <= n);
      }
      if (codeOf.question == Question::kWhich) {
        ASSERT_EQ(differ, std::vector<std::size_t>{codeOf.answer});
      } else {
        ASSERT_EQ(codeOf.answer, differ.empty() ? 1U : 0U);
        ASSERT_LE(differ.size(), 1U);
      }
    }
  }
  for (const Question question :
       {Question::kAll, Question::kDegrees, Question::kWhether, Question::kWhich}) {
    EXPECT_GT(forms[question], 900) << static_cast<int>(question);
  }
}

}  // namespace
}  // namespace pruefer
