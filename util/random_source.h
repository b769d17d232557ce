#pragma once
// The process's random generator. Scripts draw from it on the main thread
// and on script threads at once, so every draw holds a lock.

#include <mutex>
#include <random>

namespace vx {

class RandomSource {
 public:
  using result_type = std::mt19937::result_type;

  explicit RandomSource(result_type seed) : generator_(seed) {}

  static constexpr result_type min() { return std::mt19937::min(); }
  static constexpr result_type max() { return std::mt19937::max(); }
  result_type operator()() {
    std::lock_guard lock(mutex_);
    return generator_();
  }

 private:
  std::mutex mutex_;
  std::mt19937 generator_;
};

}  // namespace vx
