#pragma once
// The virtual clock and the timers that run on it. Time passes only when a
// test (or the headless player) advances it, or a wait sleeps it away.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/loop.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

class SimTimer;

class SimLoop : public platform::EventLoop {
 public:
  // Timers must not outlive the loop.
  explicit SimLoop(SimLog& log) : log_(log), mainThread_(std::this_thread::get_id()) {}

  std::unique_ptr<platform::Timer> CreateTimer(unsigned intervalMs, std::function<void()> onTick) override;
  void Run() override {}
  void SetErrorHandler(std::function<void(const std::exception&)> handler) override {
    errorHandler_ = std::move(handler);
  }
  // On the main thread the clock moves on; a script thread's wait takes no
  // virtual time (the clock belongs to the main thread).
  void Sleep(std::uint32_t milliseconds) override;
  // A live desktop also lets the real time pass on a main-thread wait.
  void SetMainThreadSleep(std::function<void(std::uint32_t)> sleep) { mainThreadSleep_ = std::move(sleep); }
  void PostToMainThread(std::function<void()> call) override;
  // Real threads, so that tests see scripts run side by side; a process end
  // inside one is recorded ("exit in thread") and ends only that thread.
  std::unique_ptr<platform::WorkerThread> StartThread(std::function<void()> body,
                                                      platform::ThreadPriority priority) override;

  // The message loop's share of posted calls: runs them on the calling
  // thread, oldest first, until none is left; returns how many ran.
  int RunPosted();
  // Blocks (in real time, at most timeoutMs) until a call is posted; for
  // tests that wait for a script thread.
  bool WaitForPosted(unsigned timeoutMs);
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }
  // The start date and time plus the virtual clock.
  platform::LocalDateTime LocalNow() override;
  std::string TimeDesignator(bool afterNoon) override { return afterNoon ? "PM" : "AM"; }
  // The local time at clock 0 (2024-03-20 12:00:00 unless set).
  void SetStartTime(const platform::LocalDateTime& start) { start_ = start; }

  // Runs every timer that falls due within the next milliseconds, in order
  // of due time (ties: the one started first), then sets the clock to the end.
  // Calls posted to the main thread run first.
  void Advance(std::uint64_t milliseconds);
  std::uint64_t Now() const { return now_; }

  // Calls into the runtime the way the message loop does: an ordinary error
  // goes to the error handler; the end of the process passes through. A
  // call that is no other's inner call is a turn of the loop: the turn's
  // end work runs after it.
  void Dispatch(const std::function<void()>& call);
  // What ends every turn: the windows paint what changed in it.
  void SetTurnEnd(std::function<void()> work) { turnEnd_ = std::move(work); }

  // Windows never fires a timer more often than this.
  static constexpr unsigned kMinimumInterval = 10;

 private:
  friend class SimTimer;
  void Schedule(SimTimer* timer);
  void Forget(SimTimer* timer);

  SimLog& log_;
  std::thread::id mainThread_;
  std::mutex postedMutex_;
  std::condition_variable postedSignal_;
  std::deque<std::function<void()>> posted_;
  std::uint64_t now_ = 0;
  platform::LocalDateTime start_{2024, 3, 20, 12, 0, 0, 0};
  std::uint64_t serial_ = 0;
  std::vector<SimTimer*> timers_;
  std::function<void(const std::exception&)> errorHandler_;
  void Guarded(const std::function<void()>& call);
  int depth_ = 0;
  std::function<void()> turnEnd_;
  std::function<void(std::uint32_t)> mainThreadSleep_;
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
