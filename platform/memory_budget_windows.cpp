// The memory budget on Windows: the calls that tell the physical memory available, the commit
// limit and the memory limits of the process's job, each taken as it answers.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include "session/memory_budget.hpp"

namespace pruefer {

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
      .processMemoryLimited =
          (job.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_PROCESS_MEMORY) != 0,
      .processMemoryLimit = job.ProcessMemoryLimit,
      .jobMemoryLimited = (job.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_JOB_MEMORY) != 0,
      .jobMemoryLimit = job.JobMemoryLimit,
      .usageRead = GetProcessMemoryInfo(GetCurrentProcess(),
                                        reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&usage),
                                        sizeof usage) != 0,
      .privateUsage = usage.PrivateUsage,
  };
}

std::uint64_t availableOnWindows() { return availableOnWindows(reportOfWindows()); }

MemoryBudget MemoryBudget::ofSystem() {
  return reading([] { return availableOnWindows(); }, kSurelyAvailable);
}

}  // namespace pruefer
