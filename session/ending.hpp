// How the program ends: its exit statuses, and how it begins every line it writes on standard
// error.
#pragma once

#include <string_view>

namespace pruefer {

// The user quit, or the input ended at the menu.
inline constexpr int kStatusQuit = 0;
// The input ended inside a request.
inline constexpr int kStatusInputEnded = 1;
// A failure the user did not make: a read or write failed, an argument was refused, or there is
// no memory to go on.
inline constexpr int kStatusStopped = 2;

// The start of every line on standard error, which names the program.
inline constexpr std::string_view kErrorPrefix = "pruefer: ";

}  // namespace pruefer
