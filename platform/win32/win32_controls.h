#pragma once
// Edit boxes and buttons as the system's own EDIT and BUTTON controls, so
// typing, selection, the clipboard, right-to-left reading and the keyboard
// layouts (Persian included) behave as users know them.

#include <functional>
#include <string>

#include "platform/forms.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class Win32Loop;

// What an EDIT or BUTTON child shares: its handle, font, colours and the
// notifications the parent window passes on. The handle is made again when
// a style that the system fixes at creation changes.
class ChildControl {
 public:
  ChildControl(HWND parent, Win32Loop& loop, platform::ControlListener* listener, const char* windowClass);
  ~ChildControl();
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  HWND Handle() const { return hwnd_; }
  // The control of a child handle, or null for other children.
  static ChildControl* Of(HWND child);

  // From the parent's window procedure.
  void Command(WORD code);
  HBRUSH Colors(HDC dc);

  void SetStyles(DWORD style, DWORD exStyle);
  DWORD Style() const { return style_; }
  void Create();
  void SetBounds(platform::Rect bounds);
  platform::Rect Bounds() const { return bounds_; }
  void SetVisible(bool visible);
  bool IsVisible() const { return visible_; }
  void SetEnabled(bool enabled);
  bool IsEnabled() const { return enabled_; }
  void SetLook(const platform::ControlLook& look);
  const platform::ControlLook& Look() const { return look_; }
  void SetTabStop(bool on);
  void BringToFront();
  void Focus() { SetFocus(hwnd_); }
  bool HasFocus() const { return GetFocus() == hwnd_; }
  std::string Text() const;
  void SetText(const std::string& text);
  // Set again whenever the handle is made.
  std::function<void()> afterCreate;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Tell(const std::function<void()>& call);

  HWND parent_;
  Win32Loop& loop_;
  platform::ControlListener* listener_;
  const char* class_;
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH brush_ = nullptr;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  platform::Rect bounds_;
  bool visible_ = false;
  bool enabled_ = true;
  platform::ControlLook look_;
};

class Win32EditBox : public platform::EditBox {
 public:
  Win32EditBox(HWND parent, Win32Loop& loop, platform::ControlListener* listener);

  void SetBounds(platform::Rect bounds) override { core_.SetBounds(bounds); }
  platform::Rect Bounds() const override { return core_.Bounds(); }
  void SetVisible(bool visible) override { core_.SetVisible(visible); }
  bool IsVisible() const override { return core_.IsVisible(); }
  void SetEnabled(bool enabled) override { core_.SetEnabled(enabled); }
  bool IsEnabled() const override { return core_.IsEnabled(); }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return core_.Look(); }
  void SetTabStop(bool on) override { core_.SetTabStop(on); }
  void BringToFront() override { core_.BringToFront(); }
  void Focus() override { core_.Focus(); }
  bool HasFocus() const override { return core_.HasFocus(); }

  void SetText(const std::string& text) override { core_.SetText(text); }
  std::string Text() const override { return core_.Text(); }
  void SetSelection(int start, int length) override;
  int SelectionStart() const override;
  int SelectionLength() const override;
  void SetPasswordChar(char c) override;
  char PasswordChar() const override { return password_; }
  void SetMaxLength(int length) override;
  int MaxLength() const override { return maxLength_; }
  void SetReadOnly(bool on) override;
  bool ReadOnly() const override { return readOnly_; }
  void SetCharCase(platform::CharCase charCase) override;
  void SetBorder(platform::EditBorderStyle border, bool ctl3D) override;

 private:
  void Restore();

  ChildControl core_;
  char password_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
};

class Win32Button : public platform::Button {
 public:
  Win32Button(HWND parent, Win32Loop& loop, platform::ControlListener* listener);

  void SetBounds(platform::Rect bounds) override { core_.SetBounds(bounds); }
  platform::Rect Bounds() const override { return core_.Bounds(); }
  void SetVisible(bool visible) override { core_.SetVisible(visible); }
  bool IsVisible() const override { return core_.IsVisible(); }
  void SetEnabled(bool enabled) override { core_.SetEnabled(enabled); }
  bool IsEnabled() const override { return core_.IsEnabled(); }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return core_.Look(); }
  void SetTabStop(bool on) override { core_.SetTabStop(on); }
  void BringToFront() override { core_.BringToFront(); }
  void Focus() override { core_.Focus(); }
  bool HasFocus() const override { return core_.HasFocus(); }

  void SetCaption(const std::string& caption) override { core_.SetText(caption); }
  std::string Caption() const override { return core_.Text(); }
  void SetDefault(bool on) override;

 private:
  ChildControl core_;
};

}  // namespace vx::win32
