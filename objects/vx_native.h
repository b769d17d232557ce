#pragma once
// The part of edit boxes and buttons that is a native child control of the
// page: it follows bounds, visibility and enabling, and passes the control's
// notifications on to whoever event routing attaches.

#include <functional>

#include "objects/vx_object.h"
#include "platform/forms.h"

namespace vx {

class TVXNativeControl : public TVXControl, public platform::ControlListener {
 public:
  using TVXControl::TVXControl;

  bool Windowless() const override { return false; }
  // Also onto the page's window, when the control was made on another.
  void Place(PageObjects& page) override;
  void Unplace() override;
  void Raised() override;
  void Lowered() override;

  // Font, colours and reading order of the control.
  const platform::ControlLook& Look() const { return look_; }
  void SetFont(const platform::FontSpec& font);
  void SetFontColor(platform::Color color);
  void SetColor(platform::Color color);
  void SetRightToLeft(bool on);
  bool RightToLeft() const { return look_.rightToLeft; }
  platform::Color FontColor() const { return look_.textColor; }
  platform::Color Color() const { return look_.color; }
  void SetTabStop(bool on);
  bool TabStop() const { return tabStop_; }
  // Where Tab visits the control among the page's tab stops: the record's
  // number as it stands (equal numbers go in the order the controls were
  // made).
  void SetTabOrder(int order);
  int TabOrder() const { return NativeControl().TabOrder(); }
  // A script's tab order: the control takes that place among the page's
  // controls and the ones from there on move one place back.
  void MoveInTabOrder(int place);
  // The keyboard focus: the page's active control from now on.
  void Focus() { NativeControl().Focus(); }

  // What event routing attaches; the control's notifications call them.
  std::function<void()> ChangeHandler;
  std::function<void()> ClickHandler;
  std::function<void()> EnterHandler;
  std::function<void()> ExitHandler;
  std::function<void(platform::MouseButton, platform::Point)> MouseDownHandler;
  std::function<void(platform::MouseButton, platform::Point)> MouseUpHandler;

  // platform::ControlListener
  void OnChange() override;
  void OnClick() override;
  void OnEnter() override;
  void OnExit() override;
  void OnMouseDown(platform::MouseButton button, platform::Point at) override;
  void OnMouseUp(platform::MouseButton button, platform::Point at) override;

 protected:
  // The kind's control, made by the derived constructor.
  virtual platform::Control& NativeControl() const = 0;
  void BoundsChanged() override;
  void VisibilityChanged() override;
  void EnabledChanged() override;
  void CursorChanged() override;
  // After the font, colours or reading order changed.
  virtual void LookChanged() {}

 private:
  platform::ControlLook look_;
  bool tabStop_ = true;
};

}  // namespace vx
