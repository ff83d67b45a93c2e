// What shows each tree besides its printout: a web page draws the tree and its walk; a terminal
// shows nothing more.
#pragma once

#include "session/session.hpp"
#include "tree/adjacency_matrix.hpp"
#include "tree/decoding.hpp"
#include "tree/walk.hpp"

namespace pruefer {

// Told of each matrix a request prints, before and after its printout.
class TreeViewer {
 public:
  virtual ~TreeViewer() = default;
  // The code of a tree to be decoded has been entered whole, and is about to be decoded.
  virtual void codeEntered(const CodeArray& code) = 0;
  // The printout of a matrix begins; everything written before it has been flushed.
  virtual void matrixComing() = 0;
  // The printout of `matrix` has been written and flushed; `coding` made or will read it.
  virtual void matrixShown(const AdjacencyMatrix& matrix, Coding coding) = 0;
};

// Prints the matrix to the session's output, telling `viewer`, if there is one.
void showMatrix(Session& session, TreeViewer* viewer, const AdjacencyMatrix& matrix, Coding coding);

}  // namespace pruefer
