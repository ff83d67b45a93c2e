// How much memory a request may take before it starts.
#pragma once

#include <cstdint>
#include <optional>

namespace pruefer {

// The memory a request may still take: what the system can give this process, or a fixed
// amount (for tests and fuzzing).
class MemoryBudget {
 public:
  // A budget read from the system each time it is asked: the memory available, and what the
  // process's address space and data limits and its control group's memory limit leave.
  static MemoryBudget ofSystem() { return MemoryBudget(std::nullopt); }

  // A budget of a fixed number of bytes.
  static MemoryBudget fixed(std::uint64_t bytes) { return MemoryBudget(bytes); }

  // The bytes that can be had now; the largest value when nothing tells.
  std::uint64_t available() const;

 private:
  explicit MemoryBudget(std::optional<std::uint64_t> fixed) : fixed_(fixed) {}

  std::optional<std::uint64_t> fixed_;
};

}  // namespace pruefer
