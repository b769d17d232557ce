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
  // Stored; the system draws the focus rectangle of a push button itself.
  bool ShowFocusRect = true;

  platform::Button& NativeButton() const { return *button_; }

 protected:
  platform::Control& NativeControl() const override { return *button_; }

 private:
  std::unique_ptr<platform::Button> button_;
  bool default_ = false;
};

}  // namespace vx
