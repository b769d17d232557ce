#pragma once
// The virtual clock and the timers that run on it. Time passes only when a
// test (or the headless player) advances it, or a wait sleeps it away.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/loop.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

class SimTimer;

class SimLoop : public platform::EventLoop {
 public:
  // Timers must not outlive the loop.
  explicit SimLoop(SimLog& log) : log_(log) {}

  std::unique_ptr<platform::Timer> CreateTimer(unsigned intervalMs, std::function<void()> onTick) override;
  void Run() override {}
  void SetErrorHandler(std::function<void(const std::exception&)> handler) override {
    errorHandler_ = std::move(handler);
  }
  void Sleep(std::uint32_t milliseconds) override;
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }

  // Runs every timer that falls due within the next milliseconds, in order
  // of due time (ties: the one started first), then sets the clock to the end.
  void Advance(std::uint64_t milliseconds);
  std::uint64_t Now() const { return now_; }

  // Calls into the runtime the way the message loop does: an ordinary error
  // goes to the error handler; the end of the process passes through.
  void Dispatch(const std::function<void()>& call);

  // Windows never fires a timer more often than this.
  static constexpr unsigned kMinimumInterval = 10;

 private:
  friend class SimTimer;
  void Schedule(SimTimer* timer);
  void Forget(SimTimer* timer);

  SimLog& log_;
  std::uint64_t now_ = 0;
  std::uint64_t serial_ = 0;
  std::vector<SimTimer*> timers_;
  std::function<void(const std::exception&)> errorHandler_;
};

class SimTimer : public platform::Timer {
 public:
  SimTimer(SimLoop& loop, unsigned interval, std::function<void()> onTick)
      : loop_(loop), interval_(interval), onTick_(std::move(onTick)) {}
  ~SimTimer() override { loop_.Forget(this); }

  void SetInterval(unsigned milliseconds) override;
  unsigned Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

 private:
  friend class SimLoop;
  unsigned Period() const { return interval_ < SimLoop::kMinimumInterval ? SimLoop::kMinimumInterval : interval_; }
  SimLoop& loop_;
  unsigned interval_;
  std::function<void()> onTick_;
  bool enabled_ = false;
  std::uint64_t due_ = 0;
  std::uint64_t order_ = 0;
};

}  // namespace vx::sim
