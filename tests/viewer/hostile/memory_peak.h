#pragma once
// How much the resident memory of the test process rises at its peak while a piece
// of work runs. The kernel's high-water mark (VmHWM) is reset to the present size
// first; where the kernel refuses that, the earlier peak is the baseline, which can
// only make the figure smaller (ctest runs every test in a process of its own).
#include <cstddef>
#include <fstream>
#include <string>

namespace viewer::testing {

class MemoryPeak {
 public:
  MemoryPeak() {
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";
    reset.flush();
    baselineKb_ = reset ? StatusKb("VmRSS:") : StatusKb("VmHWM:");
  }

  // Bytes by which the peak rose above the baseline.
  std::size_t RiseBytes() const {
    const std::size_t peakKb = StatusKb("VmHWM:");
    return peakKb > baselineKb_ ? (peakKb - baselineKb_) * 1024 : 0;
  }

 private:
  static std::size_t StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    std::size_t kb = 0;
    while (status >> name) {
      if (name == field && status >> kb) return kb;
      status.ignore(1 << 16, '\n');
    }
    return 0;
  }

  std::size_t baselineKb_ = 0;
};

}  // namespace viewer::testing
