// How much memory a request may take before it starts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <utility>

namespace pruefer {

// The memory a request may still take: what the system can give this process, or a fixed
// amount (for tests and fuzzing).
class MemoryBudget {
 public:
  // A budget read from the system as the platform tells it, each time a request too large to be
  // sure of asks.
  static MemoryBudget ofSystem();

  // A budget that calls `read` each time a request of more than `sure` bytes asks; a request of
  // at most `sure` bytes is granted without calling it.
  static MemoryBudget reading(std::function<std::uint64_t()> read, std::uint64_t sure) {
    return MemoryBudget(std::move(read), sure);
  }

  // A budget of a fixed number of bytes.
  static MemoryBudget fixed(std::uint64_t bytes) {
    return MemoryBudget([bytes] { return bytes; }, 0);
  }

  // The bytes that a request needing `wanted` may count on: `wanted` itself when the budget is
  // sure of that much, otherwise what can be had now (the largest value when nothing tells).
  std::uint64_t availableFor(std::uint64_t wanted) const {
    return wanted <= sure_ ? wanted : read_();
  }

 private:
  MemoryBudget(std::function<std::uint64_t()> read, std::uint64_t sure)
      : read_(std::move(read)), sure_(sure) {}

  std::function<std::uint64_t()> read_;
  std::uint64_t sure_;
};

// The reading of each platform; ofSystem takes the one of the platform it runs on.

// What a Linux system's files under `root` ("/" for this one) leave this process: the memory
// available, the address-space and data limits less what the process uses, and the memory
// limits less the usage of its control group and of every group above it.
std::uint64_t availableOnLinux(const std::filesystem::path& root);

// What any POSIX system tells through getrlimit and sysconf: the address-space and data limits
// (not less what is used of them) and the physical memory free.
std::uint64_t availableOnPosix();

// What Windows tells: the physical memory available, what the commit limit leaves, and what
// the memory limit of the process's job leaves.
std::uint64_t availableOnWindows();

}  // namespace pruefer
