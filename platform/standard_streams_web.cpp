// Standard input and output in a web page: a read awaits the next line the user sends (the
// program is suspended meanwhile, so the page stays alive), and output is handed to the page.
#include <emscripten.h>

#include <climits>

#include "session/standard_streams.hpp"

namespace pruefer {
namespace {

// Copies at most `size` bytes of a line typed ahead into `data`, without suspending the program;
// returns their number (0 once the input has ended), or -1 when it must await the page.
EM_JS(int, takeTypedBytes, (char* data, int size), {
  const bytes = Module.page.takeInput(size);
  if (!bytes) {
    return -1;
  }
  HEAPU8.set(bytes, data);
  return bytes.length;
});

// Copies at most `size` bytes of what the user typed into `data`, awaiting a line if none is
// pending; the page hands no bytes once the input has ended.
EM_ASYNC_JS(int, awaitTypedBytes, (char* data, int size), {
  const bytes = await Module.page.readInput(size);
  HEAPU8.set(bytes, data);
  return bytes.length;
});

// Hands the page a copy of the bytes; returns 1 when the page asks for a pause.
EM_JS(int, showOutput, (const char* data, int size),
      { return Module.page.writeOutput(HEAPU8.slice(data, data + size)) ? 1 : 0; });

// Gives the page the event loop for a moment, so that it keeps answering through a long printout.
EM_ASYNC_JS(void, pauseForPage, (), { await Module.page.pause(); });

int chunk(std::size_t size) { return size < INT_MAX ? static_cast<int>(size) : INT_MAX; }

}  // namespace

std::size_t readStandardInput(char* data, std::size_t size) {
  // Suspending the program costs far more than a line typed ahead, as a paste sends them.
  const int typedAhead = takeTypedBytes(data, chunk(size));
  return static_cast<std::size_t>(typedAhead >= 0 ? typedAhead
                                                  : awaitTypedBytes(data, chunk(size)));
}

std::size_t writeStandardOutput(const char* data, std::size_t size) {
  const int part = chunk(size);
  if (showOutput(data, part) != 0) {
    pauseForPage();
  }
  return static_cast<std::size_t>(part);
}

}  // namespace pruefer
