// Printing a request's matrix, and telling the viewer.
#include "requests/tree_viewer.hpp"

#include <ostream>

#include "requests/matrix_printout.hpp"

namespace pruefer {

void showMatrix(Session& session, TreeViewer* viewer, const AdjacencyMatrix& matrix,
                Coding coding) {
  if (viewer == nullptr) {
    printMatrix(session.out, matrix);
    return;
  }
  // The viewer learns where the printout starts only once what came before it is out.
  session.out.flush();
  viewer->matrixComing();
  printMatrix(session.out, matrix);
  viewer->matrixShown(matrix, coding);
}

}  // namespace pruefer
