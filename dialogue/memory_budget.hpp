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
  // A budget read from the system each time it is asked, as the platform tells it.
  static MemoryBudget ofSystem();

  // A budget of a fixed number of bytes.
  static MemoryBudget fixed(std::uint64_t bytes) {
    return MemoryBudget([bytes] { return bytes; });
  }

  // The bytes that can be had now; the largest value when nothing tells.
  std::uint64_t available() const { return available_(); }

 private:
  explicit MemoryBudget(std::function<std::uint64_t()> available)
      : available_(std::move(available)) {}

  std::function<std::uint64_t()> available_;
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
