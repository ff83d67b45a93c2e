// The code-to-tree request.
#include "tree/code_entry.hpp"

#include <climits>

#include "dialogue/prompt.hpp"

namespace pruefer {

CodeArray enterPrueferCode(Console& console) {
  const int length = getBoundedInt(console.in, console.out,
                                   "\nHow many entries are in the Pruefer Code?", 0, INT_MAX, "");
  const Vertex n = length + 2;
  CodeArray code(static_cast<std::size_t>(n), 0);
  console.out << "Enter the numbers in the Pruefer Code at the prompts:\n";
  for (Vertex j = 1; j <= length; ++j) {
    // The entry number heads the first attempt only; a refused entry is asked by the prompt alone.
    console.out << j << ' ';
    code[static_cast<std::size_t>(j)] = getBoundedInt(console.in, console.out, "Entry", 1, n, "");
  }
  return code;
}

void requestTree(Console& console) {
  CodeArray code = enterPrueferCode(console);
  AdjacencyMatrix matrix(static_cast<Vertex>(code.size()));
  findTree(matrix, code);
  printMatrix(console.out, matrix);
}

}  // namespace pruefer
