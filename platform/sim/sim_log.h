#pragma once
// What the simulated desktop showed and did, one line an event, in order.
// Tests assert on it; the headless player prints it.

#include <mutex>
#include <string>
#include <vector>

namespace vx::sim {

class SimLog {
 public:
  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  // True when some line equals line exactly.
  bool Contains(const std::string& line) const {
    std::lock_guard lock(mutex_);
    for (const auto& l : lines_)
      if (l == line) return true;
    return false;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Thrown when the simulated process ends. Not a std::exception, so handlers
// in the runtime that swallow ordinary errors let it pass.
struct ProcessExited {
  int exitCode = 0;
};

}  // namespace vx::sim
