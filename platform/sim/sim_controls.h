#pragma once
// Simulated edit boxes and buttons: real state, drawn into their window's
// pixels above what the page paints, and driven by tests with typed text
// and clicks.

#include <string>

#include "platform/forms.h"

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
  // A press of the left button on the control, as a person does it.
  void Click();

 protected:
  // Through the loop, so a failing listener reaches the error handler.
  void Tell(void (platform::ControlListener::*event)());
  void Changed() const;

  SimWindow& window_;
  platform::ControlListener* listener_;
  platform::Rect bounds_;
  bool visible_ = false;
  bool enabled_ = true;
  bool tabStop_ = true;
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
  void BringToFront() override;
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

  // Typing: the edit takes the focus, then every byte replaces the selection
  // as a keystroke would ('\b' erases); nothing while disabled.
  void TypeText(const std::string& bytes);
  // What the box shows: the text, or a password character for each byte.
  std::string ShownText() const;

  void PaintOn(SimCanvas& canvas) override;

 private:
  void TypeOne(char c);

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  char password_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  platform::CharCase case_ = platform::CharCase::Normal;
  platform::EditBorderStyle border_ = platform::EditBorderStyle::Single;
  bool ctl3D_ = true;
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
  void BringToFront() override;
  void Focus() override;
  bool HasFocus() const override { return Focused(); }

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override { return caption_; }
  void SetDefault(bool on) override { default_ = on; }
  bool IsDefault() const { return default_; }

  void PaintOn(SimCanvas& canvas) override;

 private:
  std::string caption_;
  bool default_ = false;
};

}  // namespace vx::sim
