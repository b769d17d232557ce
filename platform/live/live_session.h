#pragma once
// The simulated desktop made live: a GTK main loop whose real clock drives
// the virtual one, one host window showing the virtual screen, and the real
// mouse and keyboard acting as the desktop's person. The end of the
// presentation (sim::ProcessExited) ends the loop; it never unwinds through
// GTK's frames.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/live/host_window.h"
#include "platform/sim/sim_desktop.h"

namespace vx::live {

struct SessionOptions {
  std::string title = "Vexorelle";
  // The person closed the host window: end the presentation (throws
  // sim::ProcessExited as the end of the process does).
  std::function<void()> onClose;
  // After every batch of work (a tick, an input event): the trace.
  std::function<void()> afterWork;
  // With every frame: native views follow their places on the screen.
  std::function<void(HostWindow&)> onFrame;
  // How often the host window draws the virtual screen.
  unsigned frameMs = 33;
};

class LiveSession : public VirtualUser {
 public:
  LiveSession(sim::SimDesktop& desktop, SessionOptions options);
  ~LiveSession() override;

  // Shows the host window and plays until the presentation ends; its exit
  // code.
  int Run();
  HostWindow& Window() { return *window_; }

  // VirtualUser: every call runs the runtime through Guarded.
  void MoveTo(platform::Point screen) override;
  void Press(platform::MouseButton button) override;
  void Release(platform::MouseButton button) override;
  void Wheel(bool up) override;
  bool KeyDown(int virtualKey) override;
  void KeyUp(int virtualKey) override;
  void Type(const std::string& utf8) override;
  void CloseRequested() override;

 private:
  static gboolean OnTick(gpointer self);
  // Runs a piece of the runtime; the end of the presentation ends the loop.
  void Guarded(const std::function<void()>& work);
  void Finish(int exitCode);
  // The virtual clock catches up with the real one.
  void CatchUp();
  std::uint64_t RealMs() const;

  sim::SimDesktop& desktop_;
  SessionOptions options_;
  std::unique_ptr<HostWindow> window_;
  std::chrono::steady_clock::time_point start_;
  std::uint64_t lastFrame_ = 0;
  bool finished_ = false;
  bool quitting_ = false;
  int exitCode_ = 0;
  int modalDepth_ = 0;
  guint tick_ = 0;
};

}  // namespace vx::live
