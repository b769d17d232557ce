#pragma once
// The transition driver of a page: when a page with a show transition is
// shown, its client area runs from what was on the screen behind it to the
// page itself over the page's duration, one frame per timer tick.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/page_settings.h"
#include "platform/platform.h"
#include "util/imaging/transitions.h"
#include "util/rgba_image.h"

namespace vx {

class PageTransition {
 public:
  // paintPage draws the page as it looks without a transition; a client
  // area above pixelLimit shows without one (read at every frame).
  PageTransition(platform::Platform& platform, platform::Window& window,
                 std::function<void(platform::Canvas&)> paintPage, const std::int64_t& pixelLimit);
  ~PageTransition();
  PageTransition(const PageTransition&) = delete;
  PageTransition& operator=(const PageTransition&) = delete;

  // Starts the effect of settings from the window's ScreenBehind(); nothing
  // without an effect or on a client area above the pixel limit. A running effect starts over.
  void Start(const TransitionSettings& settings);
  // The page is drawn plainly from now on.
  void Stop();
  bool Running() const { return running_; }
  // 0 ... 1000.
  int Progress() const;

  // While running: draws the frame of now and returns true.
  bool Paint(platform::Canvas& canvas);

 private:
  void Tick();
  bool SizeFits(platform::Size size) const;
  const RgbaImage* Mask(const std::string& path);

  platform::Platform& platform_;
  platform::Window& window_;
  std::function<void(platform::Canvas&)> paintPage_;
  const std::int64_t& pixelLimit_;
  std::unique_ptr<platform::Timer> timer_;
  bool running_ = false;
  imaging::TransitionKind kind_ = imaging::TransitionKind::Fade;
  imaging::TransitionParams params_;
  std::uint32_t startTick_ = 0;
  int durationMs_ = 0;
  RgbaImage from_;
  bool restoreSingleBuffer_ = false;
  std::string maskPath_;
  RgbaImage mask_;
};

}  // namespace vx
