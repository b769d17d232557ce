#pragma once
// Edit boxes and buttons as the system's own EDIT and BUTTON controls, so
// typing, selection, the clipboard, right-to-left reading and the keyboard
// layouts (Persian included) behave as users know them.

#include <functional>
#include <string>
#include <vector>

#include "platform/forms.h"
#include "platform/win32/win32_common.h"
#include "util/dialog_keys.h"

namespace vx::win32 {

class Win32Loop;
class ChildControl;

// The EDIT and BUTTON controls of one window, in the order they were made;
// a control joins at its making and leaves at its end.
class ControlList {
 public:
  const std::vector<ChildControl*>& InMadeOrder() const { return controls_; }

 private:
  friend class ChildControl;
  std::vector<ChildControl*> controls_;
};

// What an EDIT or BUTTON child shares: its handle, font, colours and the
// notifications the parent window passes on. The handle is made again when
// a style that the system fixes at creation changes.
class ChildControl {
 public:
  ChildControl(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener,
               const char* windowClass);
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
  void SetTabOrder(int order) { tabOrder_ = order; }
  int TabOrder() const { return tabOrder_; }
  // Takes the place in its window's tab sequence (Control::MoveInTabOrder).
  void MoveInTabOrder(int place);
  // The height of a line of its font, and of its border and bevel above
  // and below, in pixels.
  int FontLineHeight() const;
  int FrameHeight() const;
  void SetDefaultButton(bool on) { defaultButton_ = on; }
  // What Tab and Enter need to know of it.
  DialogControl DialogState() const;
  // A click by the keyboard: the click notification, as a dialog sends it.
  void ClickByKey() { Command(BN_CLICKED); }
  void BringToFront();
  void SendToBack();
  // Shown by the parent window's cursor handling; 0 leaves the class cursor.
  void SetCursor(int cursorNumber) { cursor_ = cursorNumber; }
  int CursorNumber() const { return cursor_; }
  // Onto another window and its control list, at the same client position.
  void MoveTo(HWND parent, ControlList& list);
  // Drawn in the non-client area around the client (SetBevel of EditBox).
  void SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind, bool mono);
  void SetFocusRectShown(bool on);
  void Focus() { SetFocus(hwnd_); }
  bool HasFocus() const { return GetFocus() == hwnd_; }
  std::string Text() const;
  void SetText(const std::string& text);
  // Set again whenever the handle is made.
  std::function<void()> afterCreate;
  // The control got the focus; before the listener hears it.
  std::function<void()> onFocus;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Tell(const std::function<void()>& call);
  int BevelSize() const;
  void PaintBevel();
  void ApplyUiState();

  HWND parent_;
  Win32Loop& loop_;
  ControlList* list_;
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
  int tabOrder_ = 0;
  bool defaultButton_ = false;
  bool clicked_ = false;  // a left press on the control, until its release
  int cursor_ = 0;
  platform::BevelCut bevelInner_ = platform::BevelCut::None;
  platform::BevelCut bevelOuter_ = platform::BevelCut::None;
  platform::BevelKind bevelKind_ = platform::BevelKind::None;
  bool bevelMono_ = false;
  bool hideFocus_ = false;
  platform::ControlLook look_;
};

class Win32EditBox : public platform::EditBox {
 public:
  Win32EditBox(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener);

  void SetBounds(platform::Rect bounds) override { core_.SetBounds(bounds); }
  platform::Rect Bounds() const override { return core_.Bounds(); }
  void SetVisible(bool visible) override { core_.SetVisible(visible); }
  bool IsVisible() const override { return core_.IsVisible(); }
  void SetEnabled(bool enabled) override { core_.SetEnabled(enabled); }
  bool IsEnabled() const override { return core_.IsEnabled(); }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return core_.Look(); }
  void SetTabStop(bool on) override { core_.SetTabStop(on); }
  void SetTabOrder(int order) override { core_.SetTabOrder(order); }
  int TabOrder() const override { return core_.TabOrder(); }
  void MoveInTabOrder(int place) override { core_.MoveInTabOrder(place); }
  void BringToFront() override { core_.BringToFront(); }
  void SendToBack() override { core_.SendToBack(); }
  void SetCursor(int cursorNumber) override { core_.SetCursor(cursorNumber); }
  void SetParentWindow(platform::Window& window) override;
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
  void SetAutoSelect(bool on) override { autoSelect_ = on; }
  void SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind) override;
  int OneLineHeight() const override;

 private:
  void Restore();

  ChildControl core_;
  char password_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = false;
  bool ctl3D_ = true;
  platform::BevelCut bevelInner_ = platform::BevelCut::None;
  platform::BevelCut bevelOuter_ = platform::BevelCut::None;
  platform::BevelKind bevelKind_ = platform::BevelKind::None;
};

class Win32Button : public platform::Button {
 public:
  Win32Button(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener);

  void SetBounds(platform::Rect bounds) override { core_.SetBounds(bounds); }
  platform::Rect Bounds() const override { return core_.Bounds(); }
  void SetVisible(bool visible) override { core_.SetVisible(visible); }
  bool IsVisible() const override { return core_.IsVisible(); }
  void SetEnabled(bool enabled) override { core_.SetEnabled(enabled); }
  bool IsEnabled() const override { return core_.IsEnabled(); }
  void SetLook(const platform::ControlLook& look) override;
  platform::ControlLook Look() const override { return core_.Look(); }
  void SetTabStop(bool on) override { core_.SetTabStop(on); }
  void SetTabOrder(int order) override { core_.SetTabOrder(order); }
  int TabOrder() const override { return core_.TabOrder(); }
  void MoveInTabOrder(int place) override { core_.MoveInTabOrder(place); }
  void BringToFront() override { core_.BringToFront(); }
  void SendToBack() override { core_.SendToBack(); }
  void SetCursor(int cursorNumber) override { core_.SetCursor(cursorNumber); }
  void SetParentWindow(platform::Window& window) override;
  void Focus() override { core_.Focus(); }
  bool HasFocus() const override { return core_.HasFocus(); }

  void SetCaption(const std::string& caption) override { core_.SetText(caption); }
  std::string Caption() const override { return core_.Text(); }
  void SetDefault(bool on) override;
  void SetFocusRectShown(bool on) override { core_.SetFocusRectShown(on); }

 private:
  ChildControl core_;
};

}  // namespace vx::win32
