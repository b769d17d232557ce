#include "objects/vx_native.h"

#include "objects/page_objects.h"

namespace vx {

void TVXNativeControl::Place(PageObjects& page) {
  TVXControl::Place(page);
  NativeControl().SetParentWindow(page.Window());
  NativeControl().SetBounds(bounds_);
  NativeControl().SetCursor(Cursor);
  NativeControl().SetVisible(visible_);
}

void TVXNativeControl::Unplace() {
  TVXControl::Unplace();
  NativeControl().SetVisible(false);
}

void TVXNativeControl::Raised() { NativeControl().BringToFront(); }

void TVXNativeControl::Lowered() { NativeControl().SendToBack(); }

void TVXNativeControl::CursorChanged() { NativeControl().SetCursor(Cursor); }

void TVXNativeControl::SetFont(const platform::FontSpec& font) {
  look_.font = font;
  NativeControl().SetLook(look_);
  LookChanged();
}

void TVXNativeControl::SetFontColor(platform::Color color) {
  look_.textColor = color;
  NativeControl().SetLook(look_);
  LookChanged();
}

void TVXNativeControl::SetColor(platform::Color color) {
  look_.color = color;
  NativeControl().SetLook(look_);
  LookChanged();
}

void TVXNativeControl::SetRightToLeft(bool on) {
  look_.rightToLeft = on;
  NativeControl().SetLook(look_);
  LookChanged();
}

void TVXNativeControl::SetTabStop(bool on) {
  tabStop_ = on;
  NativeControl().SetTabStop(on);
}

void TVXNativeControl::SetTabOrder(int order) { NativeControl().SetTabOrder(order); }

void TVXNativeControl::MoveInTabOrder(int place) { NativeControl().MoveInTabOrder(place); }

void TVXNativeControl::BoundsChanged() { NativeControl().SetBounds(bounds_); }

// Without its parent the control stays hidden.
void TVXNativeControl::VisibilityChanged() { NativeControl().SetVisible(visible_ && Placed()); }

void TVXNativeControl::EnabledChanged() { NativeControl().SetEnabled(enabled_); }

void TVXNativeControl::OnChange() {
  if (ChangeHandler) ChangeHandler();
}
void TVXNativeControl::OnClick() {
  if (ClickHandler) ClickHandler();
}
void TVXNativeControl::OnEnter() {
  if (EnterHandler) EnterHandler();
}
void TVXNativeControl::OnExit() {
  if (ExitHandler) ExitHandler();
}
void TVXNativeControl::OnMouseDown(platform::MouseButton button, platform::Point at) {
  if (MouseDownHandler) MouseDownHandler(button, at);
}
void TVXNativeControl::OnMouseUp(platform::MouseButton button, platform::Point at) {
  if (MouseUpHandler) MouseUpHandler(button, at);
}

}  // namespace vx
