// The memory budget on POSIX systems without Linux's /proc (macOS, the BSDs): the process's
// address-space and data limits, and the physical memory free or, where that is not told, all
// of it.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

#include "session/memory_budget.hpp"

namespace pruefer {
namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

std::uint64_t softLimit(int resource) {
  // RLIM_INFINITY is a number so large that the memory free is less.
  rlimit limit{};
  return getrlimit(resource, &limit) == 0 ? static_cast<std::uint64_t>(limit.rlim_cur) : kUnlimited;
}

std::uint64_t physicalMemory() {
#ifdef _SC_AVPHYS_PAGES
  const long pages = sysconf(_SC_AVPHYS_PAGES);
#else
  const long pages = sysconf(_SC_PHYS_PAGES);
#endif
  // Where the system does not tell, sysconf gives -1: as an unsigned count of pages that is
  // more memory than any limit.
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace

std::uint64_t availableOnPosix() {
  return std::min({softLimit(RLIMIT_AS), softLimit(RLIMIT_DATA), physicalMemory()});
}

}  // namespace pruefer
