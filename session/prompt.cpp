// The bounded integer prompt.
#include "session/prompt.hpp"

#include <istream>
#include <ostream>

namespace pruefer {
namespace {

// A refused line is thrown away only this far; the rest is read by the next attempt.
constexpr std::streamsize kDiscardLimit = 1024;

// True when the value just read is whole, stands alone on its line and lies within the bounds.
bool isAccepted(std::istream& in, int value, Bounds bounds) {
  return !in.fail() && in.peek() == '\n' && value >= bounds.low && value <= bounds.high;
}

// True when nothing but white space is left of the input: no number can be read any more.
bool hasEnded(std::istream& in) {
  in >> std::ws;
  return in.peek() == std::istream::traits_type::eof();
}

}  // namespace

int getBoundedInt(Session& session, std::string_view prompt, Bounds bounds,
                  std::string_view complaint) {
  std::istream& in = session.in;
  std::ostream& out = session.out;
  for (;;) {
    out << prompt << ": ";
    if (hasEnded(in)) {
      throw EndOfInput{};
    }
    int value{};
    in >> value;
    if (isAccepted(in, value, bounds)) {
      in.ignore(kDiscardLimit, '\n');
      return value;
    }
    in.clear();
    in.ignore(kDiscardLimit, '\n');
    out << complaint << '\n' << std::flush;
    out << "Please enter only an integer between " << bounds.low << " and " << bounds.high << '\n'
        << std::flush;
  }
}

}  // namespace pruefer
