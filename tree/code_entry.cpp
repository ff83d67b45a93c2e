// The code-to-tree request.
#include "tree/code_entry.hpp"

#include <climits>

#include "dialogue/prompt.hpp"
#include "tree/storage.hpp"

namespace pruefer {

void enterPrueferCode(Console& console, CodeArray& code) {
  const auto n = static_cast<Vertex>(code.size());
  console.out << "Enter the numbers in the Pruefer Code at the prompts:\n";
  for (Vertex j = 1; j <= n - 2; ++j) {
    // The entry number heads the first attempt only; a refused entry is asked by the prompt alone.
    console.out << j << ' ';
    code[static_cast<std::size_t>(j)] = getBoundedInt(console.in, console.out, "Entry", 1, n, "");
  }
}

void requestTree(Console& console) {
  const int length = getBoundedInt(console.in, console.out,
                                   "\nHow many entries are in the Pruefer Code?", 0, INT_MAX, "");
  // A code of k entries belongs to a tree of k + 2 vertices, which may not fit a vertex number.
  auto [matrix, code] = makeTreeStorage(std::int64_t{length} + 2, console.budget);
  enterPrueferCode(console, code);
  findTree(matrix, code);
  printMatrix(console.out, matrix);
}

}  // namespace pruefer
