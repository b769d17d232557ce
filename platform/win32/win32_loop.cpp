#include "platform/win32/win32_loop.h"

namespace vx::win32 {

namespace {
constexpr wchar_t kLoopClass[] = L"VexorelleLoop";
}

class Win32Timer : public platform::Timer {
 public:
  Win32Timer(Win32Loop& loop, UINT_PTR id, unsigned interval, std::function<void()> onTick)
      : loop_(loop), id_(id), interval_(interval), onTick_(std::move(onTick)) {}
  ~Win32Timer() override {
    Stop();
    loop_.timers_.erase(id_);
  }

  void SetInterval(unsigned milliseconds) override {
    interval_ = milliseconds;
    if (enabled_) Start();
  }
  unsigned Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_)
      Start();
    else
      Stop();
  }
  bool Enabled() const override { return enabled_; }
  void Tick() {
    const auto tick = onTick_;  // the handler may destroy its timer
    loop_.Dispatch(tick);
  }

 private:
  void Start() {
    if (interval_ == 0) {
      Stop();
      return;
    }
    SetTimer(loop_.hwnd_, id_, interval_, nullptr);
  }
  void Stop() { KillTimer(loop_.hwnd_, id_); }

  Win32Loop& loop_;
  UINT_PTR id_;
  unsigned interval_;
  std::function<void()> onTick_;
  bool enabled_ = false;
};

Win32Loop::Win32Loop() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = kLoopClass;
  RegisterClassW(&wc);
  hwnd_ = CreateWindowExW(0, kLoopClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Loop::~Win32Loop() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

std::unique_ptr<platform::Timer> Win32Loop::CreateTimer(unsigned intervalMs, std::function<void()> onTick) {
  const UINT_PTR id = nextId_++;
  auto timer = std::make_unique<Win32Timer>(*this, id, intervalMs, std::move(onTick));
  timers_[id] = timer.get();
  return timer;
}

void Win32Loop::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Handle(msg);
}

void Win32Loop::Handle(MSG& msg) {
  if (filter_ && filter_(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Loop::Dispatch(const std::function<void()>& call) noexcept {
  try {
    call();
  } catch (const std::exception& e) {
    try {
      if (errorHandler_)
        errorHandler_(e);
      else
        Trace(std::string("unhandled error: ") + e.what());
    } catch (const std::exception&) {
      // The error handler failing is the end of the road for this event.
    }
  }
}

LRESULT CALLBACK Win32Loop::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPostedMessage) {
    auto* loop = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (loop != nullptr) loop->RunPosted();
    return 0;
  }
  if (message == WM_TIMER) {
    auto* loop = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (loop != nullptr) {
      auto it = loop->timers_.find(static_cast<UINT_PTR>(wParam));
      if (it != loop->timers_.end()) it->second->Tick();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace vx::win32
