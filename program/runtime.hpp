// The C++ runtime made ready, before the first request, to report how any request ends.
#pragma once

#include <string_view>

namespace pruefer {

// What the program says, after kErrorPrefix, when memory is too short for it to go on.
inline constexpr std::string_view kNoMemoryLeft = "not enough memory left to go on";

// Raises and catches a first exception, so that the unwinder has bound its functions and set up
// what it keeps while memory can still be had; and makes a runtime that cannot raise an exception
// at all end the program with one line on standard error and status 2, rather than abort.
void prepareRuntime();

}  // namespace pruefer
