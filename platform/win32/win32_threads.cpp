#include <atomic>
#include <thread>

#include "platform/win32/win32_loop.h"

namespace vx::win32 {

namespace {

int NativePriority(platform::ThreadPriority priority) {
  using P = platform::ThreadPriority;
  switch (priority) {
    case P::Idle: return THREAD_PRIORITY_IDLE;
    case P::Lowest: return THREAD_PRIORITY_LOWEST;
    case P::Lower: return THREAD_PRIORITY_BELOW_NORMAL;
    case P::Normal: return THREAD_PRIORITY_NORMAL;
    case P::Higher: return THREAD_PRIORITY_ABOVE_NORMAL;
    case P::Highest: return THREAD_PRIORITY_HIGHEST;
    case P::TimeCritical: return THREAD_PRIORITY_TIME_CRITICAL;
  }
  return THREAD_PRIORITY_NORMAL;
}

class Win32Thread : public platform::WorkerThread {
 public:
  Win32Thread(std::function<void()> body, platform::ThreadPriority priority) {
    thread_ = std::thread([this, priority, body = std::move(body)] {
      SetThreadPriority(GetCurrentThread(), NativePriority(priority));
      body();
      finished_ = true;
    });
  }
  ~Win32Thread() override {
    if (thread_.joinable()) thread_.join();
  }
  Win32Thread(const Win32Thread&) = delete;
  Win32Thread& operator=(const Win32Thread&) = delete;

  bool Finished() const override { return finished_; }

 private:
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace

void Win32Loop::PostToMainThread(std::function<void()> call) {
  {
    std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(call));
  }
  PostMessageW(hwnd_, kPostedMessage, 0, 0);
}

void Win32Loop::RunPosted() {
  for (;;) {
    std::function<void()> call;
    {
      std::lock_guard lock(postedMutex_);
      if (posted_.empty()) return;
      call = std::move(posted_.front());
      posted_.pop_front();
    }
    Dispatch(call);
  }
}

std::unique_ptr<platform::WorkerThread> Win32Loop::StartThread(std::function<void()> body,
                                                              platform::ThreadPriority priority) {
  return std::make_unique<Win32Thread>(std::move(body), priority);
}

}  // namespace vx::win32
