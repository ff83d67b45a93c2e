// The memory budget on Linux, read from /proc and from the control groups under /sys/fs/cgroup;
// where a file is missing or unreadable it sets no limit.
#include <algorithm>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "session/memory_budget.hpp"

namespace pruefer {
namespace {

using std::filesystem::path;

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t kKibibyte = 1024;

// The whole of a small file; empty when it is missing or unreadable.
std::string contentsOf(const path& file) {
  std::ifstream in(file);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

// The first number on the line of `text` that starts with `label`, if there is one.
std::optional<std::uint64_t> numberAfter(const std::string& text, const std::string& label) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(label)) {
      std::istringstream fields(line.substr(label.size()));
      std::uint64_t number{};
      if (fields >> number) {
        return number;
      }
      return std::nullopt;  // "unlimited"
    }
  }
  return std::nullopt;
}

// What `limit` leaves when `used` of it is taken; unlimited when either is unknown.
std::uint64_t leftOf(std::optional<std::uint64_t> limit, std::optional<std::uint64_t> used) {
  if (!limit || !used) {
    return kUnlimited;
  }
  return *limit - std::min(*limit, *used);
}

// What the soft limit named `limit` in /proc/self/limits leaves, given the kibibytes the
// process uses against it, named `usage` in /proc/self/status.
std::uint64_t leftUnder(const std::string& limits, const std::string& limit,
                        const std::string& status, const std::string& usage) {
  const auto used = numberAfter(status, usage);
  return leftOf(numberAfter(limits, limit), used ? std::optional(*used * kKibibyte) : std::nullopt);
}

// The number a control-group file holds alone; none for "max" or a missing file.
std::optional<std::uint64_t> numberIn(const path& file) {
  std::ifstream in(file);
  std::uint64_t number{};
  return in >> number ? std::optional(number) : std::nullopt;
}

// The least that the groups from `group` up to the top of `hierarchy` leave, each reading its
// limit and, where it has one, its usage from the files named.
std::uint64_t leftInGroups(const path& hierarchy, const path& group, const char* limit,
                           const char* usage) {
  std::uint64_t left = kUnlimited;
  for (path at = group.relative_path();; at = at.parent_path()) {
    const path folder = hierarchy / at;
    if (const auto bytes = numberIn(folder / limit)) {
      left = std::min(left, leftOf(bytes, numberIn(folder / usage)));
    }
    if (at.empty()) {
      return left;
    }
  }
}

// The least that the memory limits of the process's control groups leave. Each line of
// /proc/self/cgroup names a hierarchy ("0::" for the unified one, or one whose controllers
// include "memory") and the process's group in it.
std::uint64_t leftInControlGroups(const path& root) {
  std::ifstream in(root / "proc/self/cgroup");
  std::uint64_t left = kUnlimited;
  for (std::string line; std::getline(in, line);) {
    const auto first = line.find(':');
    const auto second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) {
      continue;
    }
    // Framed by commas, so that ",memory," is found only as a whole name.
    std::string controllers(",");
    controllers.append(line, first + 1, second - first - 1).append(",");
    const path group = line.substr(second + 1);
    if (controllers == ",,") {
      left = std::min(left,
                      leftInGroups(root / "sys/fs/cgroup", group, "memory.max", "memory.current"));
    } else if (controllers.find(",memory,") != std::string::npos) {
      left = std::min(left, leftInGroups(root / "sys/fs/cgroup/memory", group,
                                         "memory.limit_in_bytes", "memory.usage_in_bytes"));
    }
  }
  return left;
}

}  // namespace

std::uint64_t availableOnLinux(const path& root) {
  // Each file is read once per asking, and nothing is kept: a limit may change between requests.
  const auto free = numberAfter(contentsOf(root / "proc/meminfo"), "MemAvailable:");
  const std::string limits = contentsOf(root / "proc/self/limits");
  const std::string status = contentsOf(root / "proc/self/status");
  return std::min({free ? *free * kKibibyte : kUnlimited,
                   leftUnder(limits, "Max address space", status, "VmSize:"),
                   leftUnder(limits, "Max data size", status, "VmData:"),
                   leftInControlGroups(root)});
}

MemoryBudget MemoryBudget::ofSystem() {
  return reading([] { return availableOnLinux("/"); }, kSurelyAvailable);
}

}  // namespace pruefer
