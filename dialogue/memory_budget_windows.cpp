// The memory budget on Windows: the physical memory available, what the commit limit leaves,
// and the memory limit of the job the process runs in, if it has one.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <algorithm>
#include <limits>

#include "dialogue/memory_budget.hpp"

namespace pruefer {
namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

// What the process or job memory limit of the process's job leaves; unlimited without one.
std::uint64_t leftInJob() {
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION job{};
  PROCESS_MEMORY_COUNTERS_EX usage{};
  usage.cb = sizeof usage;
  if (!QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &job, sizeof job,
                                 nullptr) ||
      !GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&usage),
                            sizeof usage)) {
    return kUnlimited;
  }
  std::uint64_t limit = kUnlimited;
  if (job.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_PROCESS_MEMORY) {
    limit = std::min<std::uint64_t>(limit, job.ProcessMemoryLimit);
  }
  if (job.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_JOB_MEMORY) {
    limit = std::min<std::uint64_t>(limit, job.JobMemoryLimit);
  }
  if (limit == kUnlimited) {
    return kUnlimited;
  }
  return limit > usage.PrivateUsage ? limit - usage.PrivateUsage : 0;
}

}  // namespace

std::uint64_t availableOnWindows() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) {
    return leftInJob();
  }
  return std::min<std::uint64_t>({status.ullAvailPhys, status.ullAvailPageFile, leftInJob()});
}

}  // namespace pruefer
