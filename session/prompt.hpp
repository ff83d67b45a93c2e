// The bounded integer prompt: every number the program reads passes through it.
#pragma once

#include <string_view>

#include "session/session.hpp"

namespace pruefer {

// Raised by getBoundedInt when the input has ended before a number could be read.
struct EndOfInput {};

// The inclusive range of the numbers a prompt accepts.
struct Bounds {
  int low;
  int high;
};

// Asks with `prompt` until a line holds an integer within `bounds` alone, and returns it; each
// refusal writes `complaint` and the range on lines of their own. Throws EndOfInput when the
// input ends first.
int getBoundedInt(Session& session, std::string_view prompt, Bounds bounds,
                  std::string_view complaint = "");

}  // namespace pruefer
