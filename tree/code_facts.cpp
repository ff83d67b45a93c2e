#include "tree/code_facts.hpp"

#include <algorithm>

#include "tree/walk.hpp"

namespace pruefer {

void countDegrees(const CodeArray& code, std::vector<Vertex>& degree) {
  std::fill(degree.begin(), degree.end(), 1);
  degree[0] = 0;
  for (std::size_t k = 1; k + 1 < code.size(); ++k) {
    ++degree[static_cast<std::size_t>(code[k])];
  }
}

std::vector<Vertex> degreesOf(const CodeArray& code) {
  std::vector<Vertex> degrees(code.size() + 1);
  countDegrees(code, degrees);
  return degrees;
}

std::vector<Vertex> leavesOf(const CodeArray& code) { return verticesOfDegreeOne(degreesOf(code)); }

std::uint64_t treesOn(Vertex n) {
  std::uint64_t count = 1;
  for (Vertex k = 0; k + 2 < n; ++k) {
    count *= static_cast<std::uint64_t>(n);
  }
  return count;
}

std::uint64_t treesWithDegrees(const std::vector<Vertex>& degrees) {
  // (n-2)! / prod (d_i - 1)!, as a product of binomial coefficients: the places of vertex 1's
  // entries among the n - 2, then vertex 2's among those left, and so on; each step stays exact.
  std::uint64_t count = 1;
  std::uint64_t left = degrees.size() < 3 ? 0 : degrees.size() - 3;
  for (std::size_t v = 1; v < degrees.size(); ++v) {
    const auto times = static_cast<std::uint64_t>(degrees[v] - 1);
    for (std::uint64_t k = 1; k <= times; ++k) {
      count = count * (left - times + k) / k;
    }
    left -= times;
  }
  return count;
}

}  // namespace pruefer
