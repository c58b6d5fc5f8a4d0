#pragma once
// Helpers for the hostile-file tests: a guard that turns a blocked file operation
// into a failed test and special files.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>

#include "scoped_env.h"

namespace viewer::testing {

// A file operation that blocks (an open of a FIFO waiting for a writer, a read that
// never returns) would hang the whole suite; the alarm ends the test process instead,
// which the runner reports as a failure. A passing test never comes near the limit.
class HangGuard {
 public:
  explicit HangGuard(unsigned seconds = 60) {
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(seconds);
  }
  ~HangGuard() { ::alarm(0); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;
};

inline void MakeFifo(const std::string& path) {
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + path);
}

inline void MakeSymlink(const std::string& target, const std::string& path) {
  if (::symlink(target.c_str(), path.c_str()) != 0) throw std::runtime_error("symlink failed: " + path);
}

// Reproducible random bytes, NUL and every other value included.
inline std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937_64 random(seed);
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; i += 8) {
    const std::uint64_t word = random();
    for (std::size_t k = 0; k < 8 && i + k < size; ++k) bytes[i + k] = static_cast<char>(word >> (8 * k));
  }
  return bytes;
}

}  // namespace viewer::testing
