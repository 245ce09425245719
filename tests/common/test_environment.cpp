#include "test_environment.h"

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

std::string& DataHome() {
  static std::string path;
  return path;
}

void RemoveDataHome() {
  std::error_code ignored;
  if (!DataHome().empty()) std::filesystem::remove_all(DataHome(), ignored);
}

}  // namespace

void PrepareTestEnvironment() {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A test that starts a copy of itself as a second program shares its folder with it.
  if (const char* shared = getenv("TENPO_TEST_DATA_HOME"); shared != nullptr && *shared != 0) {
    setenv("XDG_DATA_HOME", shared, 1);
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "tenpo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return;
  DataHome() = pattern;
  setenv("XDG_DATA_HOME", pattern.c_str(), 1);
  atexit(RemoveDataHome);
}
