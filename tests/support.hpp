// Helpers shared by the unit tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "program/menu.hpp"
#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"

namespace pruefer::testing {

using pruefer::Edge;
using pruefer::edgesOf;

// The menu as written before every choice, up to the prompt's ": ".
inline const std::string kMenu =
    "This program can:\n1. Find the Pruefer Code for a given tree\n"
    "2. Find the tree with a given Pruefer Code\nEnter your choice (0 to quit): ";

// The line that answers a choice the menu does not offer, without its line end.
inline const std::string kChoiceRange = "Please enter only an integer between 0 and 2";

// What a whole session wrote and how it ended.
struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs a whole session on the typed input, in-process, with the memory budget given.
inline Outcome runSession(const std::string& typed, MemoryBudget budget) {
  std::istringstream in(typed);
  std::ostringstream out;
  std::ostringstream err;
  Session session{in, out, err, std::move(budget)};
  const int status = runMenu(session);
  return {status, out.str(), err.str()};
}

// Runs a whole session on the typed input, in-process, with a fixed memory budget.
inline Outcome runSession(const std::string& typed, std::uint64_t budget = std::uint64_t{1} << 30) {
  return runSession(typed, MemoryBudget::fixed(budget));
}

// An output buffer that records every flush as a "|" in its text.
class FlushMarkingBuffer : public std::stringbuf {
 protected:
  int sync() override {
    sputn("|", 1);
    return 0;
  }
};

// The matrix of n vertices holding the given distinct edges.
inline AdjacencyMatrix matrixOf(Vertex n, const std::vector<Edge>& edges) {
  AdjacencyMatrix matrix(n);
  for (const auto& [a, b] : edges) {
    matrix.join(a, b);
  }
  return matrix;
}

// The code array of the tree on entries.size() + 2 vertices: the entries framed by two zeros.
inline CodeArray codeArrayOf(const std::vector<Vertex>& entries) {
  CodeArray code{0};
  code.insert(code.end(), entries.begin(), entries.end());
  code.push_back(0);
  return code;
}

}  // namespace pruefer::testing
