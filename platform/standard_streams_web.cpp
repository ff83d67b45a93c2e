// Standard input and output in a web page: a read awaits the next line the user sends (the
// program is suspended meanwhile, so the page stays alive), and output is handed to the page.
#include <emscripten.h>

#include <climits>

#include "dialogue/standard_streams.hpp"

namespace pruefer {
namespace {

// Copies at most `size` bytes of what the user typed into `data`, awaiting a line if none is
// pending; the page hands no bytes once the input has ended.
EM_ASYNC_JS(int, awaitTypedBytes, (char* data, int size), {
  const bytes = await Module.page.readInput(size);
  HEAPU8.set(bytes, data);
  return bytes.length;
});

EM_JS(void, showOutput, (const char* data, int size),
      { Module.page.writeOutput(HEAPU8.slice(data, data + size)); });

int chunk(std::size_t size) { return size < INT_MAX ? static_cast<int>(size) : INT_MAX; }

}  // namespace

std::size_t readStandardInput(char* data, std::size_t size) {
  return static_cast<std::size_t>(awaitTypedBytes(data, chunk(size)));
}

std::size_t writeStandardOutput(const char* data, std::size_t size) {
  const int part = chunk(size);
  showOutput(data, part);
  return static_cast<std::size_t>(part);
}

}  // namespace pruefer
