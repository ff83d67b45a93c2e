// A folder of its own for a test that writes files, so that tests run at the same time, or two
// test runs on one machine, never share one.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace pruefer::testing {

// A new, empty folder under the system's temporary folder, removed with all it holds when the
// object goes.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    // create_directory makes the folder only where none was, so a name is never shared.
    do {
      path_ = std::filesystem::temp_directory_path() / ("pruefer-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The folder.
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace pruefer::testing
