// What Windows's answers about memory leave a request. The answers are plain values, so this is
// built and tested on every platform; only the calls that give them are Windows's own.
#include <algorithm>
#include <limits>

#include "session/memory_budget.hpp"

namespace pruefer {
namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

// What the process or job memory limit of the process's job leaves; unlimited without one.
std::uint64_t leftInJob(const WindowsMemoryReport& report) {
  if (!report.jobRead || !report.usageRead) {
    return kUnlimited;
  }
  std::uint64_t limit = kUnlimited;
  if (report.processMemoryLimited) {
    limit = std::min(limit, report.processMemoryLimit);
  }
  if (report.jobMemoryLimited) {
    limit = std::min(limit, report.jobMemoryLimit);
  }
  return limit == kUnlimited ? kUnlimited : limit - std::min(limit, report.privateUsage);
}

}  // namespace

std::uint64_t availableOnWindows(const WindowsMemoryReport& report) {
  if (!report.statusRead) {
    return leftInJob(report);
  }
  return std::min({report.availablePhysical, report.availableCommit, leftInJob(report)});
}

}  // namespace pruefer
