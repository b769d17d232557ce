#include "platform/sim/sim_loop.h"

#include <algorithm>

namespace vx::sim {

std::unique_ptr<platform::Timer> SimLoop::CreateTimer(unsigned intervalMs, std::function<void()> onTick) {
  auto timer = std::make_unique<SimTimer>(*this, intervalMs, std::move(onTick));
  timers_.push_back(timer.get());
  return timer;
}

void SimLoop::Sleep(std::uint32_t milliseconds) {
  // The blocked thread lets no timer run; the clock simply moves on.
  if (std::this_thread::get_id() != mainThread_) return;
  if (mainThreadSleep_) mainThreadSleep_(milliseconds);
  now_ += milliseconds;
}

void SimLoop::Advance(std::uint64_t milliseconds) {
  RunPosted();  // a message loop handles what is waiting before its timers
  const std::uint64_t end = now_ + milliseconds;
  for (;;) {
    SimTimer* next = nullptr;
    for (SimTimer* t : timers_) {
      if (!t->enabled_ || t->interval_ == 0 || t->due_ > end) continue;
      if (next == nullptr || t->due_ < next->due_ || (t->due_ == next->due_ && t->order_ < next->order_))
        next = t;
    }
    if (next == nullptr) break;
    now_ = std::max(now_, next->due_);
    next->due_ = now_ + next->Period();
    const auto tick = next->onTick_;  // the handler may destroy its timer
    Dispatch(tick);
  }
  now_ = std::max(now_, end);
}

void SimLoop::Dispatch(const std::function<void()>& call) {
  struct Turn {
    int& depth;
    ~Turn() { --depth; }
  } turn{++depth_};
  Guarded(call);
  if (depth_ == 1 && turnEnd_) Guarded(turnEnd_);
}

void SimLoop::Guarded(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    if (errorHandler_) {
      errorHandler_(e);
    } else {
      log_.Add(std::string("unhandled error: ") + e.what());
    }
  }
}

void SimLoop::Schedule(SimTimer* timer) {
  timer->due_ = now_ + timer->Period();
  timer->order_ = ++serial_;
}

void SimLoop::Forget(SimTimer* timer) { timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end()); }

void SimTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  if (enabled_) loop_.Schedule(this);
}

void SimTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) loop_.Schedule(this);
}

}  // namespace vx::sim
