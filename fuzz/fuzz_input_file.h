// Fuzz inputs for readers that take a file name: the bytes go to a private temporary file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/fake_platform.h"

namespace frost::fuzzing {

class InputFile {
 public:
  InputFile(const std::uint8_t* data, std::size_t size) {
    char name[] = "/tmp/frostmote-fuzz-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return;
    path_ = name;
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = write(fd, data + done, size - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    close(fd);
  }
  ~InputFile() {
    if (!path_.empty()) unlink(path_.c_str());
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The readers open files through the platform; the fuzz targets give them the tests' fake,
// which opens real files, once per process.
inline testing::FakePlatform& FuzzPlatform() {
  static testing::FakePlatform* platform = [] {
    auto* fake = new testing::FakePlatform;
    SetPlatform(fake);
    return fake;
  }();
  return *platform;
}

}  // namespace frost::fuzzing
