// Straightforward decoding and encoding.
#include "reference.hpp"

#include <algorithm>

namespace pruefer::reference {
namespace {

void join(DenseMatrix& matrix, Vertex a, Vertex b) {
  matrix[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = 1;
  matrix[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = 1;
}

}  // namespace

DenseMatrix emptyMatrix(Vertex n) {
  const auto size = static_cast<std::size_t>(n) + 1;
  return DenseMatrix(size, std::vector<std::uint8_t>(size, 0));
}

std::ptrdiff_t findInCode(Vertex vertex, const CodeArray& code) {
  const auto found = std::find(code.begin(), code.end(), vertex);
  return found == code.end() ? -1 : found - code.begin();
}

void findTree(DenseMatrix& matrix, CodeArray& code, Choices* free) {
  const auto n = static_cast<Vertex>(code.size());
  std::vector<std::uint8_t> flags(code.size() + 1, 1);
  flags[0] = 0;
  for (Vertex pass = 1; pass <= n - 2; ++pass) {
    std::vector<Vertex> candidates;
    for (Vertex v = 1; v <= n; ++v) {
      if (flags[static_cast<std::size_t>(v)] != 0 && findInCode(v, code) == -1) {
        candidates.push_back(v);
      }
    }
    if (free != nullptr) {
      free->push_back(candidates);
    }
    const Vertex leaf = candidates.front();
    flags[static_cast<std::size_t>(leaf)] = 0;
    const auto parent = std::find_if(code.begin(), code.end(), [](Vertex e) { return e != 0; });
    join(matrix, leaf, *parent);
    *parent = 0;
  }
  const auto u = std::find(flags.begin(), flags.end(), 1);
  const auto v = std::find(u + 1, flags.end(), 1);
  join(matrix, static_cast<Vertex>(u - flags.begin()), static_cast<Vertex>(v - flags.begin()));
}

bool findPrueferCode(DenseMatrix& matrix, CodeArray& code, Choices* leaves) {
  const auto n = static_cast<Vertex>(code.size());
  for (Vertex pass = 1; pass <= n - 2; ++pass) {
    std::vector<Vertex> found;
    Vertex parent = 0;  // of the first leaf found, the lowest
    for (std::size_t i = 1; i < matrix.size(); ++i) {
      int ones = 0;
      Vertex neighbour = 0;
      for (std::size_t j = 1; j < matrix.size(); ++j) {
        if (matrix[i][j] != 0) {
          ++ones;
          neighbour = static_cast<Vertex>(j);
        }
      }
      if (ones == 1) {
        parent = found.empty() ? neighbour : parent;
        found.push_back(static_cast<Vertex>(i));
      }
    }
    if (found.empty()) {
      return false;
    }
    if (leaves != nullptr) {
      leaves->push_back(found);
    }
    const auto leaf = static_cast<std::size_t>(found.front());
    code[static_cast<std::size_t>(pass)] = parent;
    for (std::size_t j = 1; j < matrix.size(); ++j) {
      matrix[leaf][j] = 0;
      matrix[j][leaf] = 0;
    }
  }
  return true;
}

}  // namespace pruefer::reference
