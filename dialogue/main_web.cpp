// The program's entry in a web page: as at a terminal, and the exit status is told to the page,
// which would not learn it from main's return after an awaited read.
#include <emscripten.h>

#include "dialogue/menu.hpp"

namespace {

EM_JS(void, reportExit, (int status), { Module.page.exited(status); });

}  // namespace

int main() {
  const int status = pruefer::runMenuOnStandardStreams();
  reportExit(status);
  return status;
}
