// The C++ runtime made ready, before the first request, to report how any request ends.
#pragma once

#include <string_view>

namespace pruefer {

// What the program says, after kErrorPrefix, when memory is too short for it to go on.
inline constexpr std::string_view kNoMemoryLeft = "not enough memory left to go on";

// Makes a runtime that cannot raise an exception at all end the program with one line on
// standard error and status 2, rather than abort.
void prepareRuntime();

}  // namespace pruefer
