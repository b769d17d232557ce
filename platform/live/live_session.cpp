#include "platform/live/live_session.h"

#include <exception>
#include <iostream>
#include <thread>

#include "platform/live/typed_text.h"

namespace vx::live {

namespace {

constexpr guint kTickMs = 10;  // the finest timer the runtime gets, as on Windows

}  // namespace

LiveSession::LiveSession(sim::SimDesktop& desktop, SessionOptions options)
    : desktop_(desktop), options_(std::move(options)), start_(std::chrono::steady_clock::now()) {
  const platform::Size screen = desktop_.display.ScreenSize();
  // Most desktops have room for the virtual screen at its own size; a
  // larger one is scaled down by the letterbox anyway.
  window_ = std::make_unique<HostWindow>(options_.title, screen, *this, [this] {
    const platform::Size size = desktop_.display.ScreenSize();
    return desktop_.forms.ScreenImage({0, 0, size.width, size.height});
  });
  // A wait on the main thread blocks it for real, as on Windows; the
  // virtual clock moves with it, so the real one finds it level.
  desktop_.loop.SetMainThreadSleep([](std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
  // A modal page runs a loop of its own until it is hidden; the end of the
  // presentation inside it unwinds the runtime as it does on the desktop.
  desktop_.forms.SetModalLoop([this](sim::SimWindow& page) {
    ++modalDepth_;
    while (!finished_ && page.IsVisible()) gtk_main_iteration();
    --modalDepth_;
    if (finished_) throw sim::ProcessExited{exitCode_};
  });
}

LiveSession::~LiveSession() {
  if (tick_ != 0) g_source_remove(tick_);
  desktop_.forms.SetModalLoop(nullptr);
  desktop_.loop.SetMainThreadSleep(nullptr);
}

std::uint64_t LiveSession::RealMs() const {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count());
}

void LiveSession::CatchUp() {
  const std::uint64_t real = RealMs();
  const std::uint64_t now = desktop_.loop.Now();
  desktop_.loop.Advance(real > now ? real - now : 0);
}

int LiveSession::Run() {
  window_->Show();
  tick_ = g_timeout_add(kTickMs, OnTick, this);
  if (!finished_) gtk_main();
  return exitCode_;
}

gboolean LiveSession::OnTick(gpointer self) {
  auto* session = static_cast<LiveSession*>(self);
  session->Guarded([session] { session->CatchUp(); });
  if (session->finished_) {
    session->tick_ = 0;
    return G_SOURCE_REMOVE;
  }
  const std::uint64_t real = session->RealMs();
  if (real - session->lastFrame_ >= session->options_.frameMs) {
    session->lastFrame_ = real;
    session->window_->Invalidate();
    if (session->options_.onFrame) session->options_.onFrame(*session->window_);
  }
  return G_SOURCE_CONTINUE;
}

void LiveSession::Guarded(const std::function<void()>& work) {
  if (finished_) return;
  try {
    work();
  } catch (const sim::ProcessExited& exited) {
    Finish(exited.exitCode);
  } catch (const std::exception& e) {
    // The runtime's own handlers took what they could; this one escaped
    // them. The presentation cannot go on in an unknown state.
    std::cerr << "vxplay: " << e.what() << '\n';
    Finish(3);
  } catch (...) {
    std::cerr << "vxplay: an unknown error ended the presentation\n";
    Finish(3);
  }
  if (options_.afterWork) options_.afterWork();
  // Inside a modal page the end unwinds through its loop first.
  if (finished_ && !quitting_ && modalDepth_ == 0 && gtk_main_level() > 0) {
    quitting_ = true;
    gtk_main_quit();
  }
}

void LiveSession::Finish(int exitCode) {
  if (finished_) return;
  finished_ = true;
  exitCode_ = exitCode;
}

void LiveSession::MoveTo(platform::Point screen) {
  Guarded([&] { desktop_.user.MoveTo(screen); });
}
void LiveSession::Press(platform::MouseButton button) {
  Guarded([&] { desktop_.user.Press(button); });
}
void LiveSession::Release(platform::MouseButton button) {
  Guarded([&] { desktop_.user.Release(button); });
}
void LiveSession::Wheel(bool up) {
  Guarded([&] { desktop_.user.Wheel(up); });
}
bool LiveSession::KeyDown(int virtualKey) {
  bool used = false;
  Guarded([&] { used = desktop_.user.KeyDown(virtualKey); });
  return used || finished_;
}
void LiveSession::KeyUp(int virtualKey) {
  Guarded([&] { desktop_.user.KeyUp(virtualKey); });
}
void LiveSession::Type(const std::string& utf8) {
  // The code page is read at each call: the runtime decides it at start-up.
  Guarded([&] { desktop_.user.Type(TypedTextToPresentationBytes(utf8, desktop_.codePages.Presentation())); });
}
void LiveSession::CloseRequested() {
  Guarded([&] {
    if (options_.onClose) options_.onClose();
    else desktop_.process.Terminate(1);
  });
}

}  // namespace vx::live
