// The printout of an adjacency matrix.
#include "requests/matrix_printout.hpp"

#include <ostream>
#include <string>

namespace pruefer {

void printMatrix(std::ostream& out, const AdjacencyMatrix& matrix) {
  const Vertex n = matrix.size();
  out << "\nThe tree is given by the following matrix:\n\n    ";
  for (Vertex j = 1; j <= n; ++j) {
    out << j << "  ";
  }
  out << "\n\n";
  // One reusable line, made with the matrix: room for the widest row number and its three
  // blanks, then "0  " per column and the line end. Each row writes its number in front, sets
  // its 1s, is written in one go and is then reset.
  const std::size_t room = std::to_string(n).size() + 3;
  const auto cell = [room](Vertex column) {
    return room + 3 * static_cast<std::size_t>(column - 1);
  };
  std::string& line = matrix.printLine();
  line.assign(room, ' ');
  for (Vertex j = 1; j <= n; ++j) {
    line += "0  ";
  }
  line += '\n';
  for (Vertex i = 1; i <= n; ++i) {
    const std::string number = std::to_string(i) + "   ";
    const std::size_t start = room - number.size();
    line.replace(start, number.size(), number);
    for (const Vertex column : matrix.ones(i)) {
      line[cell(column)] = '1';
    }
    out.write(line.data() + start, static_cast<std::streamsize>(line.size() - start));
    out.flush();
    for (const Vertex column : matrix.ones(i)) {
      line[cell(column)] = '0';
    }
  }
  out << '\n' << std::flush;
}

}  // namespace pruefer
