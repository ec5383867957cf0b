#include "generated_art.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <system_error>

namespace frost::artgen::testing {
namespace {

std::filesystem::path Root() {
  static const std::filesystem::path root =
      std::filesystem::temp_directory_path() /
      ("frost_artgen_test_" + std::to_string(static_cast<long>(::getpid())));
  return root;
}

class RemoveRoot : public ::testing::Environment {
 public:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(Root(), ignored);
  }
};

const auto* const kCleanup = ::testing::AddGlobalTestEnvironment(new RemoveRoot);

}  // namespace

std::filesystem::path FontFile() {
  return FROST_TEST_FONT_FILE;
}

std::filesystem::path ScratchFolder(const char* name) {
  const std::filesystem::path folder = Root() / name;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return folder;
}

std::filesystem::path GeneratedArt() {
  return FROST_TEST_DATA_DIR;
}

}  // namespace frost::artgen::testing
