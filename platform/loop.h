#pragma once
// Timers and the message loop. On the sim backend every timer and wait runs on
// a virtual clock that tests advance; nothing reads the wall clock.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

namespace vx::platform {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(unsigned milliseconds) = 0;
  virtual unsigned Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;

  // A timer firing on the main thread; created stopped.
  virtual std::unique_ptr<Timer> CreateTimer(unsigned intervalMs, std::function<void()> onTick) = 0;

  // Runs the message loop until the process ends (win32) or nothing is left
  // to do (sim: returns at once; tests drive the loop themselves).
  virtual void Run() = 0;

  // Where an exception escaping a window or timer callback goes.
  virtual void SetErrorHandler(std::function<void(const std::exception&)> handler) = 0;

  // Blocks the calling thread; windows are not repainted meanwhile.
  virtual void Sleep(std::uint32_t milliseconds) = 0;

  // Milliseconds since some fixed start, wrapping like the system tick count.
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace vx::platform
