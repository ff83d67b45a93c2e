// How much memory a request may take before it starts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <utility>

namespace pruefer {

// A request that takes at most this much is made without asking the system, which costs a dozen
// file reads on Linux, far more than such a request itself: trees of up to 39,819 vertices.
// Should the allocation fail, under a limit just above what the process maps at start, the
// request is refused with the memory sentence like any other; the runtime was made ready to
// report that, and any other end, before the first request.
inline constexpr std::uint64_t kSurelyAvailable = std::uint64_t{4} << 20;

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

// The reading of each platform; the build gives ofSystem the one of the platform it builds for.

// What a Linux system's files under `root` ("/" for this one) leave this process: the memory
// available, the address-space and data limits less what the process uses, and the memory
// limits less the usage of its control group and of every group above it.
std::uint64_t availableOnLinux(const std::filesystem::path& root);

// What any POSIX system tells through getrlimit and sysconf: the address-space and data limits
// (not less what is used of them) and the physical memory free.
std::uint64_t availableOnPosix();

// What a web page leaves: the room below the maximum its WebAssembly memory may grow to.
std::uint64_t availableOnWeb();

// What Windows's calls about memory returned, each with whether the call succeeded.
struct WindowsMemoryReport {
  bool statusRead;                  // GlobalMemoryStatusEx
  std::uint64_t availablePhysical;  //   its ullAvailPhys
  std::uint64_t availableCommit;    //   its ullAvailPageFile
  bool jobRead;                     // QueryInformationJobObject on the process's job
  bool processMemoryLimited;        //   whether its flags set the process memory limit
  std::uint64_t processMemoryLimit;
  bool jobMemoryLimited;  //   whether its flags set the job memory limit
  std::uint64_t jobMemoryLimit;
  bool usageRead;              // GetProcessMemoryInfo
  std::uint64_t privateUsage;  //   its PrivateUsage
};

// What Windows's calls answer now (built on Windows only).
WindowsMemoryReport reportOfWindows();

// What Windows tells, asked now: the report of its calls, taken as the function below does.
std::uint64_t availableOnWindows();

// What a report leaves: the least of the physical memory available, what the commit limit
// leaves, and what the process or job memory limit of the process's job leaves; a call that
// failed sets no limit.
std::uint64_t availableOnWindows(const WindowsMemoryReport& report);

}  // namespace pruefer
