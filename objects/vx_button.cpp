#include "objects/vx_button.h"

namespace vx {

TVXButton::TVXButton(platform::Window& page) : TVXNativeControl(ObjectKind::Button) {
  button_ = page.AddButton(this);
  bounds_ = {0, 0, 75, 25};
}

TVXButton::~TVXButton() = default;

void TVXButton::SetShowFocusRect(bool on) {
  showFocusRect_ = on;
  button_->SetFocusRectShown(on);
}

void TVXButton::SetDefault(bool on) {
  default_ = on;
  button_->SetDefault(on);
}

}  // namespace vx
