#pragma once
// One private directory per fuzzing process for the files a target writes, in memory
// (/dev/shm) where there is one, since every input is written and read again.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzzing {

class ScratchDir {
 public:
  ScratchDir() {
    const bool shm = ::access("/dev/shm", W_OK | X_OK) == 0;
    std::string pattern = (shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
                          "vor-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    dir_ = pattern + "/";
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The directory with its final "/".
  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};

// Replaces the file's content with bytes.
inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::perror(path.c_str());
    std::abort();
  }
}

}  // namespace fuzzing
