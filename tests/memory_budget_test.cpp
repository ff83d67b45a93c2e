// The memory budget read from a Linux system's files: /proc and the control groups of the
// process, as a container root, nested some levels down, in either hierarchy.
#include "session/memory_budget.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "temporary_folder.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace pruefer {
namespace {

#ifdef __linux__

namespace fs = std::filesystem;

constexpr std::uint64_t kNone = UINT64_MAX;

struct Case {
  const char* what;
  std::map<std::string, std::string> files;  // path under the root, and what it holds
  std::uint64_t expected;
};

const Case kCases[] = {
    {"nothing to read", {}, kNone},
    {"container root, unified hierarchy",
     {{"proc/self/cgroup", "0::/\n"},
      {"sys/fs/cgroup/memory.max", "1000000\n"},
      {"sys/fs/cgroup/memory.current", "400000\n"}},
     600000},
    {"systemd scope three levels down: the tightest level counts",
     {{"proc/self/cgroup", "0::/user.slice/user-1000.slice/session-2.scope\n"},
      {"sys/fs/cgroup/user.slice/memory.max", "max\n"},
      {"sys/fs/cgroup/user.slice/memory.current", "9000000\n"},
      {"sys/fs/cgroup/user.slice/user-1000.slice/memory.max", "5000000\n"},
      {"sys/fs/cgroup/user.slice/user-1000.slice/memory.current", "1000000\n"},
      {"sys/fs/cgroup/user.slice/user-1000.slice/session-2.scope/memory.max", "3000000\n"},
      {"sys/fs/cgroup/user.slice/user-1000.slice/session-2.scope/memory.current", "2500000\n"}},
     500000},
    {"a limit above the scope that leaves less",
     {{"proc/self/cgroup", "0::/a/b\n"},
      {"sys/fs/cgroup/a/memory.max", "5000000\n"},
      {"sys/fs/cgroup/a/memory.current", "4900000\n"},
      {"sys/fs/cgroup/a/b/memory.max", "max\n"},
      {"sys/fs/cgroup/a/b/memory.current", "10\n"}},
     100000},
    {"version 1, nested, with the controllers listed together",
     {{"proc/self/cgroup", "5:memoryless:/x\n4:cpu,memory:/docker/abc\n0::/\n"},
      {"sys/fs/cgroup/memory/memory.limit_in_bytes", "9223372036854771712\n"},
      {"sys/fs/cgroup/memory/memory.usage_in_bytes", "1000000000\n"},
      {"sys/fs/cgroup/memory/docker/abc/memory.limit_in_bytes", "2000000\n"},
      {"sys/fs/cgroup/memory/docker/abc/memory.usage_in_bytes", "500000\n"},
      {"sys/fs/cgroup/memory/x/memory.limit_in_bytes", "1\n"},
      {"sys/fs/cgroup/memory/x/memory.usage_in_bytes", "0\n"}},
     1500000},
    {"a line that names no group, or no hierarchy, is passed over",
     {{"proc/self/cgroup", "4:memory\nmemory\n"},
      {"sys/fs/cgroup/memory/memory.limit_in_bytes", "1000\n"},
      {"sys/fs/cgroup/memory/memory.usage_in_bytes", "0\n"}},
     kNone},
    {"usage beyond the limit leaves nothing; a limit without its usage counts for nothing",
     {{"proc/self/cgroup", "0::/a\n"},
      {"sys/fs/cgroup/a/memory.max", "1000\n"},
      {"sys/fs/cgroup/a/memory.current", "2000\n"},
      {"sys/fs/cgroup/memory.max", "10\n"}},
     0},
    {"a limit that cannot be read sets none",
     {{"proc/self/cgroup", "0::/\n"},
      {"sys/fs/cgroup/memory.max/unreadable", ""},
      {"sys/fs/cgroup/memory.current", "5\n"}},
     kNone},
    {"the memory available and the process's limits",
     {{"proc/meminfo", "MemTotal:  9000 kB\nMemAvailable:  5000 kB\n"},
      {"proc/self/limits",
       "Max data size             unlimited            unlimited            bytes\n"
       "Max address space         4000000              unlimited            bytes\n"},
      {"proc/self/status", "VmData:  1 kB\nVmSize:  1000 kB\n"}},
     4000000 - 1000 * 1024},
    {"a data limit",
     {{"proc/meminfo", "MemAvailable:  5000 kB\n"},
      {"proc/self/limits", "Max data size             3000000              unlimited  bytes\n"},
      {"proc/self/status", "VmData:  2 kB\n"}},
     3000000 - 2048},
};

TEST(MemoryBudget, TakesTheLeastThatTheSystemsFilesLeave) {
  for (const Case& test : kCases) {
    SCOPED_TRACE(test.what);
    const testing::TemporaryFolder root;
    for (const auto& [name, text] : test.files) {
      fs::create_directories((root.path() / name).parent_path());
      std::ofstream(root.path() / name) << text;
    }
    EXPECT_EQ(availableOnLinux(root.path()), test.expected);
  }
}

#endif

// Windows's answers, as its calls gave them: here every call succeeded, with no job limit set.
constexpr WindowsMemoryReport kAnswered{.statusRead = true,
                                        .availablePhysical = 8000,
                                        .availableCommit = 9000,
                                        .jobRead = true,
                                        .processMemoryLimited = false,
                                        .processMemoryLimit = 700,
                                        .jobMemoryLimited = false,
                                        .jobMemoryLimit = 600,
                                        .usageRead = true,
                                        .privateUsage = 100};

// The answers changed as given: which job limits are set, and which calls failed.
WindowsMemoryReport answered(bool process, bool job, void (*change)(WindowsMemoryReport&)) {
  WindowsMemoryReport report = kAnswered;
  report.processMemoryLimited = process;
  report.jobMemoryLimited = job;
  change(report);
  return report;
}

TEST(MemoryBudget, OnWindowsTakesTheLeastThatTheAnswersLeave) {
  const auto asGiven = [](WindowsMemoryReport&) {};
  const std::pair<WindowsMemoryReport, std::uint64_t> cases[] = {
      {kAnswered, 8000},
      {answered(false, false, [](auto& r) { r.availableCommit = 7000; }), 7000},
      {answered(false, false, [](auto& r) { r.statusRead = false; }), UINT64_MAX},
      {answered(true, false, asGiven), 600},
      {answered(false, true, asGiven), 500},
      {answered(true, true, asGiven), 500},
      {answered(true, true, [](auto& r) { r.processMemoryLimit = 300; }), 200},
      {answered(true, false, [](auto& r) { r.privateUsage = 900; }), 0},
      {answered(false, true, [](auto& r) { r.statusRead = false; }), 500},
      {answered(true, true, [](auto& r) { r.jobRead = false; }), 8000},
      {answered(true, true, [](auto& r) { r.usageRead = false; }), 8000},
  };
  for (const auto& [report, expected] : cases) {
    EXPECT_EQ(availableOnWindows(report), expected)
        << "limits " << report.processMemoryLimited << report.jobMemoryLimited << ", status "
        << report.statusRead << ", job " << report.jobRead << ", usage " << report.usageRead;
  }
}

#ifdef _WIN32

// The memory limit of a job the process is put in is found and taken.
TEST(MemoryBudget, OnWindowsTheJobsMemoryLimitCounts) {
  const WindowsMemoryReport before = reportOfWindows();
  EXPECT_TRUE(before.statusRead);
  EXPECT_TRUE(before.usageRead);
  EXPECT_GT(before.availablePhysical, 0u);
  EXPECT_GT(availableOnWindows(), 0u);
  EXPECT_LT(availableOnWindows(), UINT64_MAX);
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY;
  limits.ProcessMemoryLimit = std::size_t{512} << 20;
  ASSERT_TRUE(
      SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits));
  ASSERT_TRUE(AssignProcessToJobObject(job, GetCurrentProcess()));
  // The process's own job is found and read, whatever limits it keeps.
  EXPECT_TRUE(reportOfWindows().jobRead);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION kept{};
  QueryInformationJobObject(job, JobObjectExtendedLimitInformation, &kept, sizeof kept, nullptr);
  if (kept.BasicLimitInformation.LimitFlags == 0) {
    GTEST_SKIP() << "this system (wine) does not keep the memory limits of jobs";
  }
  EXPECT_LT(availableOnWindows(), std::uint64_t{512} << 20);
}

#else

// The reading for POSIX systems without /proc, selected here: a data limit set on the process
// is what it tells, far below the memory free.
TEST(MemoryBudget, OnPosixTheProcesssLimitsCount) {
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_DATA, &saved), 0);
  rlimit lowered = saved;
  lowered.rlim_cur = rlim_t{256} << 20;
  ASSERT_EQ(setrlimit(RLIMIT_DATA, &lowered), 0);
  const std::uint64_t available = availableOnPosix();
  setrlimit(RLIMIT_DATA, &saved);
  EXPECT_EQ(available, std::uint64_t{256} << 20);
  // Without that limit, the memory free still bounds it.
  EXPECT_GT(availableOnPosix(), 0u);
  EXPECT_LT(availableOnPosix(), UINT64_MAX);
}

#endif

}  // namespace
}  // namespace pruefer
