// Exercises on the codings: the code of a tree drawn uniformly from the n^(n-2) labelled trees
// on n vertices, from a seed, so that the same seed gives the same exercise everywhere.
#pragma once

#include <cstdint>
#include <vector>

#include "tree/decoding.hpp"

namespace pruefer {

// Numbers drawn from a seed by the program's own generator (SplitMix64), which gives the same
// numbers on every platform, unlike the standard library's distributions.
class SeededDraw {
 public:
  explicit SeededDraw(std::uint64_t seed) : state_(seed) {}
  // A number drawn uniformly from 0 to bound - 1; bound > 0.
  std::uint32_t below(std::uint32_t bound);

 private:
  std::uint64_t next();
  std::uint64_t state_;
};

// Which way an exercise is worked: from a tree to its code, or from a code to its tree.
enum class Direction { kEncoding, kDecoding };

// The code array of the exercise of `seed` on n vertices (n >= 3) worked in `direction`: each of
// the n - 2 entries drawn uniformly from 1 to n, so that its tree is drawn uniformly from all
// labelled trees. The decoding draws from a stream of its own and never gives the code the
// encoding gives for the same seed, so that an exercise's answer is never another's question.
CodeArray exerciseCode(Vertex n, std::uint64_t seed, Direction direction);

// What an exercise on a code asks, beside the code of its tree: the kind's own numbers.
enum class CodeFact { kLeaves, kDegree, kCount, kCodeOf };

// The second form some kinds have: counting all trees or those with given degrees; whether a
// list is the tree's code, or which entry of a nearly right one is wrong.
enum class Question { kAll, kDegrees, kWhether, kWhich };

struct FactExercise {
  CodeArray code;  // the tree's
  Question question = Question::kAll;
  Vertex vertex = 0;            // kDegree: the vertex asked about
  std::vector<Vertex> degrees;  // kCount with kDegrees: index v vertex v's
  CodeArray list;               // kCodeOf: the list to judge, a code array
  std::vector<Vertex> leaves;   // kLeaves: the answer, lowest first
  std::uint64_t answer = 0;     // kDegree and kCount: the number; kCodeOf: 1 for yes, 0 for no,
                                // or the place of the wrong entry, from 1
};

// The exercise of `seed` on n vertices (n >= 4) of the kind given, each kind drawn from a part
// of the generator's stream of its own.
FactExercise factExercise(Vertex n, std::uint64_t seed, CodeFact kind);

}  // namespace pruefer
