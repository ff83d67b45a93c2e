// The program's entry in a web page: as at a terminal, with the page as the viewer of each tree,
// and the exit status told to the page, which would not learn it from main's return after an
// awaited read.
#include <emscripten.h>

#include "platform/tree_viewer_web.hpp"
#include "program/menu.hpp"

namespace {

EM_JS(void, reportExit, (int status), { Module.page.exited(status); });

}  // namespace

int main() {
  pruefer::PageTreeViewer viewer;
  const int status = pruefer::runMenuOnStandardStreams(&viewer);
  reportExit(status);
  return status;
}
