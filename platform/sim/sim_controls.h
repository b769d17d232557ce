#pragma once
// Simulated edit boxes and buttons: real state, drawn into their window's
// pixels above what the page paints, and driven by tests with typed text
// and clicks.

#include <string>

#include "platform/forms.h"
#include "util/dialog_keys.h"

namespace vx::sim {

class SimWindow;
class SimCanvas;

class SimControl {
 public:
  SimControl(SimWindow& window, platform::ControlListener* listener);
  virtual ~SimControl();
  SimControl(const SimControl&) = delete;
  SimControl& operator=(const SimControl&) = delete;

  virtual void PaintOn(SimCanvas& canvas) = 0;
  bool Shown() const { return visible_; }
  platform::Rect Area() const { return bounds_; }
  bool Focused() const;
  // A mouse button pressed and released on the control, at a point in its
  // own coordinates. The press tells the control at once (a left press
  // focuses it); the release tells the click first (left button, pressed
  // and released on the control), then the up. Nothing while hidden or
  // disabled.
  void PressAt(platform::MouseButton button, platform::Point at);
  void ReleaseAt(platform::MouseButton button, platform::Point at);
  // Left press and release at the centre.
  void Click();
  // What Tab and Enter need to know of it.
  virtual DialogControl DialogState() const;
  // The n-th control made on its window, counting from 0.
  int Sequence() const { return sequence_; }
  SimWindow& Owner() const { return *window_; }
  int CursorNumber() const { return cursor_; }
  // The focus arrived by the keyboard or the program, not by a press.
  virtual void FocusedByKey() {}

 protected:
  // Through the loop, so a failing listener reaches the error handler.
  void Tell(void (platform::ControlListener::*event)());
  void Changed() const;
  void Lower();
  void Raise();
  void MoveTo(platform::Window& window);
  void MoveInTabSequence(int place);

  SimWindow* window_;
  platform::ControlListener* listener_;
  platform::Rect bounds_;
  bool visible_ = false;
  bool enabled_ = true;
  bool tabStop_ = true;
  int tabOrder_ = 0;
  int sequence_ = 0;
  int cursor_ = 0;
  bool leftPressed_ = false;  // a left press began on it and is not released yet
  platform::ControlLook look_;

  friend class SimWindow;
};

class SimEditBox : public SimControl, public platform::EditBox {
 public:
  using SimControl::SimControl;

  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override;
  bool IsVisible() const override { return visible_; }
  void SetEnabled(bool enabled) override;
  bool IsEnabled() const override { return enabled_; }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return look_; }
  void SetTabStop(bool on) override { tabStop_ = on; }
  void SetTabOrder(int order) override { tabOrder_ = order; }
  int TabOrder() const override { return tabOrder_; }
  void MoveInTabOrder(int place) override { MoveInTabSequence(place); }
  void BringToFront() override;
  void SendToBack() override { Lower(); }
  void SetCursor(int cursorNumber) override { cursor_ = cursorNumber; }
  void SetParentWindow(platform::Window& window) override { MoveTo(window); }
  void Focus() override;
  bool HasFocus() const override { return Focused(); }

  void SetText(const std::string& text) override;
  std::string Text() const override { return text_; }
  void SetSelection(int start, int length) override;
  int SelectionStart() const override { return selStart_; }
  int SelectionLength() const override { return selLength_; }
  void SetPasswordChar(char c) override;
  char PasswordChar() const override { return password_; }
  void SetMaxLength(int length) override { maxLength_ = length; }
  int MaxLength() const override { return maxLength_; }
  void SetReadOnly(bool on) override { readOnly_ = on; }
  bool ReadOnly() const override { return readOnly_; }
  void SetCharCase(platform::CharCase charCase) override;
  void SetBorder(platform::EditBorderStyle border, bool ctl3D) override;
  void SetAutoSelect(bool on) override { autoSelect_ = on; }
  bool AutoSelect() const { return autoSelect_; }
  void SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind) override;
  int OneLineHeight() const override;
  void FocusedByKey() override;

  // Typing: the edit takes the focus, then every byte replaces the selection
  // as a keystroke would ('\b' erases); nothing while disabled.
  void TypeText(const std::string& bytes);
  // What the box shows: the text, or a password character for each byte.
  std::string ShownText() const;

  void PaintOn(SimCanvas& canvas) override;

 private:
  void TypeOne(char c);
  // Border and bevel: where the text area begins inside the bounds.
  int FrameWidth() const;

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  char password_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  platform::CharCase case_ = platform::CharCase::Normal;
  platform::EditBorderStyle border_ = platform::EditBorderStyle::Single;
  bool ctl3D_ = true;
  bool autoSelect_ = false;
  platform::BevelCut bevelInner_ = platform::BevelCut::None;
  platform::BevelCut bevelOuter_ = platform::BevelCut::None;
  platform::BevelKind bevelKind_ = platform::BevelKind::None;
};

class SimButton : public SimControl, public platform::Button {
 public:
  using SimControl::SimControl;

  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override;
  bool IsVisible() const override { return visible_; }
  void SetEnabled(bool enabled) override;
  bool IsEnabled() const override { return enabled_; }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return look_; }
  void SetTabStop(bool on) override { tabStop_ = on; }
  void SetTabOrder(int order) override { tabOrder_ = order; }
  int TabOrder() const override { return tabOrder_; }
  void MoveInTabOrder(int place) override { MoveInTabSequence(place); }
  void BringToFront() override;
  void SendToBack() override { Lower(); }
  void SetCursor(int cursorNumber) override { cursor_ = cursorNumber; }
  void SetParentWindow(platform::Window& window) override { MoveTo(window); }
  void Focus() override;
  bool HasFocus() const override { return Focused(); }

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override { return caption_; }
  void SetDefault(bool on) override { default_ = on; }
  bool IsDefault() const { return default_; }
  void SetFocusRectShown(bool on) override { focusRect_ = on; Changed(); }
  bool FocusRectShown() const { return focusRect_; }
  // A click by the keyboard (Enter, Space): the click notification only,
  // the focus stays where it is; nothing while hidden or disabled.
  void PressByKey();
  DialogControl DialogState() const override;

  void PaintOn(SimCanvas& canvas) override;

 private:
  std::string caption_;
  bool default_ = false;
  bool focusRect_ = true;
};

// A key press on the window after the window heard it: Tab and Shift+Tab
// move the focus among its controls, Enter clicks the focused or the default
// button (util/dialog_keys.h), Space clicks a focused button. False when the
// key did none of these.
bool PressDialogKey(SimWindow& window, int virtualKey, KeyModifiers held);

}  // namespace vx::sim
