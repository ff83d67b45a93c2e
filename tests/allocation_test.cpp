// The memory a request is estimated to take, against what it really allocates: the estimate
// must cover every request, and not by more than twice.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <random>
#include <sstream>
#include <string>

#include "program/menu.hpp"
#include "tree/storage.hpp"

namespace {

// The size header in front of each block is invisible to GCC's checks of matching pairs.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Warray-bounds"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

// Bytes allocated and not yet freed, and the most there were since the last reset. Every
// allocation carries its size in a header in front of it.
std::uint64_t live = 0;
std::uint64_t peak = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  *reinterpret_cast<std::size_t*>(block) = size;
  live += size;
  peak = std::max(peak, live);
  return block + kHeader;
}

void operator delete(void* pointer) noexcept {
  if (pointer != nullptr) {
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    live -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
  }
}

void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

namespace pruefer {
namespace {

// Throws away everything written without looking at it, so that a matrix of a million rows is
// "printed" in time linear in its edges.
class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// The most bytes that were allocated at once while a session ran on the typed input.
std::uint64_t peakOfSession(const std::string& typed) {
  std::istringstream in(typed);
  Discard discard;
  std::ostream out(&discard);
  MemoryBudget budget = MemoryBudget::fixed(UINT64_MAX);
  const std::uint64_t before = live;
  peak = live;
  Session session{in, out, out, budget};
  EXPECT_EQ(runMenu(session), 0);
  return peak - before;
}

// A whole session typing the tree whose vertex v >= 2 hangs on parentOf(v).
template <typename ParentOf>
std::string treeSession(int n, ParentOf parentOf) {
  std::string typed = "1\n" + std::to_string(n) + "\n";
  for (int v = 2; v <= n; ++v) {
    typed += std::to_string(parentOf(v)) + "\n" + std::to_string(v) + "\n";
  }
  return typed + "0\n";
}

std::string codeSession(int n, std::mt19937& random) {
  std::string typed = "2\n" + std::to_string(n - 2) + "\n";
  for (int j = 1; j <= n - 2; ++j) {
    typed += std::to_string(std::uniform_int_distribution<int>(1, n)(random)) + "\n";
  }
  return typed + "0\n";
}

TEST(Allocation, TheEstimateCoversEveryRequestAndNotByMoreThanTwice) {
  std::mt19937 random(7);
  for (const int n : {100000, 400000, 1000000}) {
    const std::pair<const char*, std::string> sessions[] = {
        {"random tree",
         treeSession(n,
                     [&](int v) { return std::uniform_int_distribution<int>(1, v - 1)(random); })},
        {"star", treeSession(n, [](int) { return 1; })},
        {"path", treeSession(n, [](int v) { return v - 1; })},
        {"random code", codeSession(n, random)},
    };
    const auto estimate = bytesForTree(static_cast<std::uint64_t>(n));
    for (const auto& [what, typed] : sessions) {
      const std::uint64_t taken = peakOfSession(typed);
      SCOPED_TRACE(std::string(what) + ", " + std::to_string(n) +
                   " vertices: " + std::to_string(taken) + " bytes of " + std::to_string(estimate));
      EXPECT_LE(taken, estimate);
      EXPECT_GT(taken, estimate / 2);
    }
  }
}

}  // namespace
}  // namespace pruefer
