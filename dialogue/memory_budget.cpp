// The memory budget, read from what Linux reports in /proc and /sys/fs/cgroup; where those
// files are missing nothing limits it here, and a failed allocation is what refuses a request.
#include "dialogue/memory_budget.hpp"

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace pruefer {
namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t kKibibyte = 1024;

// The first number on the line of `file` that starts with `label`, if there is one.
std::optional<std::uint64_t> numberAfter(const char* file, const std::string& label) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(label)) {
      std::istringstream fields(line.substr(label.size()));
      std::uint64_t number = 0;
      if (fields >> number) {
        return number;
      }
      return std::nullopt;  // "unlimited"
    }
  }
  return std::nullopt;
}

// What a soft limit of the process leaves, given the kibibytes it already uses against it.
std::uint64_t leftUnder(const std::string& limit, const std::string& usage) {
  const auto bytes = numberAfter("/proc/self/limits", limit);
  const auto used = numberAfter("/proc/self/status", usage);
  if (!bytes || !used) {
    return kUnlimited;
  }
  return *bytes > *used * kKibibyte ? *bytes - *used * kKibibyte : 0;
}

// What the memory limit of the process's control group leaves, where the file `limit` holds a
// number ("max" meaning none) and `usage` the bytes in use.
std::uint64_t leftInGroup(const char* limit, const char* usage) {
  std::ifstream limitFile(limit);
  std::ifstream usageFile(usage);
  std::uint64_t bytes = 0;
  std::uint64_t used = 0;
  if (!(limitFile >> bytes) || !(usageFile >> used)) {
    return kUnlimited;
  }
  return bytes > used ? bytes - used : 0;
}

}  // namespace

std::uint64_t MemoryBudget::available() const {
  if (fixed_) {
    return *fixed_;
  }
  const auto free = numberAfter("/proc/meminfo", "MemAvailable:");
  return std::min({free ? *free * kKibibyte : kUnlimited, leftUnder("Max address space", "VmSize:"),
                   leftUnder("Max data size", "VmData:"),
                   leftInGroup("/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"),
                   leftInGroup("/sys/fs/cgroup/memory/memory.limit_in_bytes",
                               "/sys/fs/cgroup/memory/memory.usage_in_bytes")});
}

}  // namespace pruefer
