#include "host/load_form.h"

namespace vx {

TVXLoad::TVXLoad(platform::Platform& platform) {
  platform::WindowOptions options;
  options.kind = platform::WindowOptions::Kind::Splash;
  window_ = platform.forms.OpenWindow(options);
  window_->SetName("VXLoad");
  window_->SetCaption("Intializing");
  window_->SetFrameStyle(platform::FrameStyle::ToolWindow);
  window_->SetStayOnTop(true);
  window_->SetClientSize({kClientWidth, kClientHeight});
  const platform::Size screen = platform.display.ScreenSize();
  platform::Rect bounds = window_->Bounds();
  bounds.left = (screen.width - bounds.width) / 2;
  bounds.top = (screen.height - bounds.height) / 2;
  window_->SetBounds(bounds);
  label_ = window_->AddLabel({8, 2, 254, 14}, "Loading...");
  progress_ = window_->AddProgressBar({8, 18, 254, 14});
}

void TVXLoad::Show() {
  window_->Show();
  window_->Repaint();
}

void TVXLoad::Close() { window_->Hide(); }

}  // namespace vx
