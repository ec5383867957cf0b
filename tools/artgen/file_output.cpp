#include "file_output.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace frost::artgen {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error) {
    std::fprintf(stderr, "frost_artgen: cannot make folder %s: %s\n", path.parent_path().c_str(),
                 error.message().c_str());
    return false;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    std::fprintf(stderr, "frost_artgen: cannot write %s\n", path.c_str());
    return false;
  }
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    std::fprintf(stderr, "frost_artgen: short write to %s\n", path.c_str());
    return false;
  }
  // fclose flushes: its failure is a failed write too.
  return std::fclose(file.release()) == 0;
}

}  // namespace frost::artgen
