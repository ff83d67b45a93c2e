// The bounded integer prompt: every number the program reads passes through it.
#pragma once

#include <iosfwd>
#include <string_view>

namespace pruefer {

// Raised by getBoundedInt when the input has ended before a number could be read.
struct EndOfInput {};

// Asks with `prompt` until a line holds an integer in [low, high] alone, and returns it;
// throws EndOfInput when the input ends first.
int getBoundedInt(std::istream& in, std::ostream& out, std::string_view prompt, int low, int high,
                  std::string_view complaint);

}  // namespace pruefer
