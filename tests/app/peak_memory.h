// How far the memory the test program holds rose during an action: the peak
// resident size since Start(), less the size at Start(), in megabytes.
#pragma once

#include <fstream>
#include <string>

class PeakMemory {
 public:
  // Resets the kernel's peak mark to what the program holds now.
  void Start() {
    std::ofstream("/proc/self/clear_refs") << "5";
    start_ = Field("VmRSS:");
  }

  [[nodiscard]] long RiseMegabytes() const { return (Field("VmHWM:") - start_) / 1024; }

 private:
  // A field of /proc/self/status, in kilobytes.
  static long Field(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    long kilobytes = 0;
    while (status >> key) {
      if (key == name) {
        status >> kilobytes;
        return kilobytes;
      }
      status.ignore(1 << 16, '\n');
    }
    return 0;
  }

  long start_ = 0;
};
