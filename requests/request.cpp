// Running a request to its end.
#include "requests/request.hpp"

#include <limits>
#include <new>
#include <ostream>

#include "tree/encoding.hpp"
#include "tree/storage.hpp"
#include "tree/walk.hpp"

namespace pruefer {
namespace {

// Says why a tree of the size asked for cannot be held.
void refuse(std::ostream& out, const TreeTooLarge& refusal) {
  if (refusal.shortage == TreeTooLarge::Shortage::numbers) {
    out << "\nA tree of " << refusal.vertices
        << " vertices is too large: vertices are numbered up to "
        << std::numeric_limits<Vertex>::max() << ".\n\n";
  } else {
    out << "\nThere is not enough memory for a tree of " << refusal.vertices << " vertices.\n\n";
  }
}

}  // namespace

void runRequest(Request request, Session& session, TreeViewer* viewer) {
  try {
    request(session, viewer);
    session.out << '\n' << std::flush;
  } catch (const NotATree&) {
    session.out << "\nThe graph you entered was not a tree, so it has no Pruefer Code.\n\n";
  } catch (const TreeTooLarge& refusal) {
    refuse(session.out, refusal);
  } catch (const std::bad_alloc&) {
    session.out << "\nThere was not enough memory to finish the request.\n\n";
  }
}

}  // namespace pruefer
