// The C++ runtime made ready, before the first request, to report how any request ends.
#pragma once

namespace pruefer {

// Raises and catches a first exception, so that the unwinder has bound its functions and set up
// what it keeps while memory can still be had; and makes a runtime that cannot raise an exception
// at all end the program with one line on standard error and status 2, rather than abort.
void prepareRuntime();

}  // namespace pruefer
