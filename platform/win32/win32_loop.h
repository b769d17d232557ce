#pragma once

#include <deque>
#include <map>
#include <mutex>

#include "platform/loop.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class Win32Timer;

// Wakes the loop window for calls posted from script threads.
inline constexpr UINT kPostedMessage = WM_APP + 1;

// The message loop, and the timers that ride on a hidden message window.
class Win32Loop : public platform::EventLoop {
 public:
  Win32Loop();
  ~Win32Loop() override;

  std::unique_ptr<platform::Timer> CreateTimer(unsigned intervalMs, std::function<void()> onTick) override;
  void Run() override;
  void SetErrorHandler(std::function<void(const std::exception&)> handler) override {
    errorHandler_ = std::move(handler);
  }
  void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
  std::uint32_t TickCount() override { return GetTickCount(); }
  void PostToMainThread(std::function<void()> call) override;
  std::unique_ptr<platform::WorkerThread> StartThread(std::function<void()> body,
                                                      platform::ThreadPriority priority) override;
  platform::LocalDateTime LocalNow() override;
  std::string TimeDesignator(bool afterNoon) override;

  // Calls into the runtime from a window procedure: no exception may cross
  // back into the system's frames.
  void Dispatch(const std::function<void()>& call) noexcept;

  // Sees every message of the loops first; true takes the message (it is
  // neither translated nor dispatched).
  void SetMessageFilter(std::function<bool(const MSG&)> filter) { filter_ = std::move(filter); }
  // One message, as every loop of the player handles it.
  void Handle(MSG& msg);

 private:
  friend class Win32Timer;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void RunPosted();
  HWND hwnd_ = nullptr;
  std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
  UINT_PTR nextId_ = 1;
  std::map<UINT_PTR, Win32Timer*> timers_;
  std::function<void(const std::exception&)> errorHandler_;
  std::function<bool(const MSG&)> filter_;
};

}  // namespace vx::win32
