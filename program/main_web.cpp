// The program's entry in a web page: as at a terminal, with the page drawing each tree, and the
// exit status told to the page. The page passes no arguments.
#include "program/menu.hpp"
#include "program/page.hpp"
#include "session/standard_session.hpp"

int main() {
  const auto viewer = pruefer::makePageTreeViewer();
  pruefer::StandardSession standard;
  const int status = pruefer::runMenu(standard.session(), viewer.get());
  pruefer::reportExitToPage(status);
  return status;
}
