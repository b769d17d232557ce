#pragma once
// Timers and the message loop. On the sim backend every timer and wait runs on
// a virtual clock that tests advance; nothing reads the wall clock.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/widget_settings.h"

namespace vx::platform {

// The local calendar date and time of day.
struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int hour = 0;   // 0-23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const LocalDateTime&) const = default;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(unsigned milliseconds) = 0;
  virtual unsigned Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

// A thread the runtime started. Destroying it waits until its body has ended.
class WorkerThread {
 public:
  virtual ~WorkerThread() = default;
  virtual bool Finished() const = 0;
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

  // Callable from any thread: the message loop runs call on the main thread
  // soon, as it handles its next messages (sim: when the test runs them).
  // An ordinary error goes to the error handler.
  virtual void PostToMainThread(std::function<void()> call) = 0;

  // Runs body on a new thread at the priority. The body must not let an
  // exception escape, except the backend's own end-of-process signal.
  virtual std::unique_ptr<WorkerThread> StartThread(std::function<void()> body,
                                                    ThreadPriority priority) = 0;

  // Blocks the calling thread; windows are not repainted meanwhile.
  virtual void Sleep(std::uint32_t milliseconds) = 0;

  // Milliseconds since some fixed start, wrapping like the system tick count.
  virtual std::uint32_t TickCount() = 0;

  // The local date and time now (on the sim backend: the virtual clock).
  virtual LocalDateTime LocalNow() = 0;
  // The system's text for "before noon" (false) or "after noon" (true).
  virtual std::string TimeDesignator(bool afterNoon) = 0;
};

}  // namespace vx::platform
