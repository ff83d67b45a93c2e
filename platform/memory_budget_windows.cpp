// The memory budget on Windows: the calls that tell the physical memory available, the commit
// limit and the memory limits of the process's job, each taken as it answers.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include "dialogue/memory_budget.hpp"

namespace pruefer {

static_assert(kProcessMemoryLimited == JOB_OBJECT_LIMIT_PROCESS_MEMORY);
static_assert(kJobMemoryLimited == JOB_OBJECT_LIMIT_JOB_MEMORY);

WindowsMemoryReport reportOfWindows() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION job{};
  PROCESS_MEMORY_COUNTERS_EX usage{};
  usage.cb = sizeof usage;
  return {
      .statusRead = GlobalMemoryStatusEx(&status) != 0,
      .availablePhysical = status.ullAvailPhys,
      .availableCommit = status.ullAvailPageFile,
      .jobRead = QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &job,
                                           sizeof job, nullptr) != 0,
      .jobLimitFlags = job.BasicLimitInformation.LimitFlags,
      .processMemoryLimit = job.ProcessMemoryLimit,
      .jobMemoryLimit = job.JobMemoryLimit,
      .usageRead = GetProcessMemoryInfo(GetCurrentProcess(),
                                        reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&usage),
                                        sizeof usage) != 0,
      .privateUsage = usage.PrivateUsage,
  };
}

std::uint64_t availableOnWindows() { return availableOnWindows(reportOfWindows()); }

}  // namespace pruefer
