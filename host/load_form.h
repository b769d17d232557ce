#pragma once
// The loading splash: a small stay-on-top tool window with a label and a
// progress bar that the extraction of embedded files drives.

#include <memory>

#include "platform/platform.h"

namespace vx {

class TVXLoad {
 public:
  explicit TVXLoad(platform::Platform& platform);

  void Show();
  void Close();
  platform::Window& Window() { return *window_; }
  platform::ProgressBar& Progress() { return *progress_; }

  static constexpr int kClientWidth = 270;
  static constexpr int kClientHeight = 38;

 private:
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<platform::Label> label_;
  std::unique_ptr<platform::ProgressBar> progress_;
};

}  // namespace vx
