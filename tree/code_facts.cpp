#include "tree/code_facts.hpp"

namespace pruefer {

std::vector<Vertex> degreesOf(const CodeArray& code) {
  std::vector<Vertex> degrees(code.size() + 1, 1);
  degrees[0] = 0;
  for (std::size_t k = 1; k + 1 < code.size(); ++k) {
    ++degrees[static_cast<std::size_t>(code[k])];
  }
  return degrees;
}

std::vector<Vertex> leavesOf(const CodeArray& code) {
  const std::vector<Vertex> degrees = degreesOf(code);
  std::vector<Vertex> leaves;
  for (std::size_t v = 1; v < degrees.size(); ++v) {
    if (degrees[v] == 1) {
      leaves.push_back(static_cast<Vertex>(v));
    }
  }
  return leaves;
}

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
