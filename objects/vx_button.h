#pragma once
// A push button: a native button control on its page.

#include <memory>

#include "objects/vx_native.h"

namespace vx {

class TVXButton : public TVXNativeControl {
 public:
  explicit TVXButton(platform::Window& page);
  ~TVXButton() override;

  std::string Caption() const { return button_->Caption(); }
  void SetCaption(const std::string& caption) { button_->SetCaption(caption); }
  void SetDefault(bool on);
  bool Default() const { return default_; }
  // The dotted rectangle while the button has the focus.
  void SetShowFocusRect(bool on);
  bool ShowFocusRect() const { return showFocusRect_; }

  platform::Button& NativeButton() const { return *button_; }

 protected:
  platform::Control& NativeControl() const override { return *button_; }

 private:
  std::unique_ptr<platform::Button> button_;
  bool default_ = false;
  bool showFocusRect_ = true;
};

}  // namespace vx
