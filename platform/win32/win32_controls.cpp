#include "platform/win32/win32_controls.h"

#include "platform/win32/win32_loop.h"

namespace vx::win32 {

namespace {

constexpr char kControlProperty[] = "VxControl";

HFONT FontOf(const platform::FontSpec& f) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(f.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, f.strikeOut,
                     f.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     f.name.c_str());
}

platform::Point PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

ChildControl::ChildControl(HWND parent, Win32Loop& loop, platform::ControlListener* listener,
                           const char* windowClass)
    : parent_(parent), loop_(loop), listener_(listener), class_(windowClass) {}

ChildControl::~ChildControl() {
  if (hwnd_ != nullptr) {
    RemovePropA(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (brush_ != nullptr) DeleteObject(brush_);
}

ChildControl* ChildControl::Of(HWND child) {
  return child == nullptr ? nullptr : static_cast<ChildControl*>(GetPropA(child, kControlProperty));
}

void ChildControl::Create() {
  const std::string text = hwnd_ != nullptr ? Text() : std::string();
  const bool focused = hwnd_ != nullptr && HasFocus();
  if (hwnd_ != nullptr) {
    RemovePropA(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
  DWORD style = style_ | WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  hwnd_ = CreateWindowExA(exStyle_, class_, text.c_str(), style, bounds_.left, bounds_.top, bounds_.width,
                          bounds_.height, parent_, nullptr, ModuleInstance(), nullptr);
  if (hwnd_ == nullptr) ThrowLastError(std::string("Creating a ") + class_ + " control");
  SetPropA(hwnd_, kControlProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildControl::SubclassProc)));
  if (font_ != nullptr) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (afterCreate) afterCreate();
  if (focused) SetFocus(hwnd_);
}

LRESULT CALLBACK ChildControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ChildControl* self = Of(hwnd);
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (self->listener_ != nullptr) {
    platform::ControlListener* l = self->listener_;
    const platform::Point at = PointOf(lParam);
    switch (message) {
      case WM_LBUTTONDOWN: self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Left, at); }); break;
      case WM_RBUTTONDOWN: self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Right, at); }); break;
      case WM_MBUTTONDOWN: self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Middle, at); }); break;
      case WM_LBUTTONUP: self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Left, at); }); break;
      case WM_RBUTTONUP: self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Right, at); }); break;
      case WM_MBUTTONUP: self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Middle, at); }); break;
      default: break;
    }
  }
  return CallWindowProcA(self->original_, hwnd, message, wParam, lParam);
}

void ChildControl::Tell(const std::function<void()>& call) {
  if (listener_ != nullptr) loop_.Dispatch(call);
}

void ChildControl::Command(WORD code) {
  platform::ControlListener* l = listener_;
  if (l == nullptr) return;
  switch (code) {
    case EN_CHANGE: Tell([l] { l->OnChange(); }); break;
    case EN_SETFOCUS:
    case BN_SETFOCUS: Tell([l] { l->OnEnter(); }); break;
    case EN_KILLFOCUS:
    case BN_KILLFOCUS: Tell([l] { l->OnExit(); }); break;
    case BN_CLICKED: Tell([l] { l->OnClick(); }); break;
    default: break;
  }
}

HBRUSH ChildControl::Colors(HDC dc) {
  SetTextColor(dc, enabled_ ? look_.textColor : GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, look_.color);
  if (brush_ == nullptr) brush_ = CreateSolidBrush(look_.color);
  return brush_;
}

void ChildControl::SetStyles(DWORD style, DWORD exStyle) {
  if (style == style_ && exStyle == exStyle_ && hwnd_ != nullptr) return;
  style_ = style;
  exStyle_ = exStyle;
  Create();
}

void ChildControl::SetBounds(platform::Rect bounds) {
  bounds_ = bounds;
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildControl::SetVisible(bool visible) {
  visible_ = visible;
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void ChildControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void ChildControl::SetLook(const platform::ControlLook& look) {
  const bool fontChanged = !(look.font == look_.font) || font_ == nullptr;
  look_ = look;
  if (brush_ != nullptr) {
    DeleteObject(brush_);
    brush_ = nullptr;
  }
  if (fontChanged) {
    HFONT old = font_;
    font_ = FontOf(look.font);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) DeleteObject(old);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ChildControl::SetTabStop(bool on) { SetStyles(on ? style_ | WS_TABSTOP : style_ & ~DWORD{WS_TABSTOP}, exStyle_); }

void ChildControl::BringToFront() {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string ChildControl::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int n = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return text;
}

void ChildControl::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

// ---- edit box

Win32EditBox::Win32EditBox(HWND parent, Win32Loop& loop, platform::ControlListener* listener)
    : core_(parent, loop, listener, "EDIT") {
  core_.afterCreate = [this] { Restore(); };
  core_.SetStyles(ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

void Win32EditBox::Restore() {
  HWND h = core_.Handle();
  SendMessageA(h, EM_SETPASSWORDCHAR, static_cast<unsigned char>(password_), 0);
  SendMessageA(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  SendMessageA(h, EM_SETREADONLY, readOnly_ ? TRUE : FALSE, 0);
}

void Win32EditBox::SetLook(const platform::ControlLook& look) {
  const bool rtlChanged = look.rightToLeft != core_.Look().rightToLeft;
  core_.SetLook(look);
  if (!rtlChanged) return;
  // The reading order and the alignment are fixed when the control is made.
  const DWORD rtlEx = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  DWORD style = core_.Style() & ~DWORD{ES_RIGHT};
  if (look.rightToLeft) style |= ES_RIGHT;
  const DWORD ex = static_cast<DWORD>(GetWindowLongA(core_.Handle(), GWL_EXSTYLE)) & ~rtlEx;
  core_.SetStyles(style, look.rightToLeft ? ex | rtlEx : ex);
}

void Win32EditBox::SetSelection(int start, int length) {
  SendMessageA(core_.Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

int Win32EditBox::SelectionStart() const {
  DWORD start = 0, end = 0;
  SendMessageA(core_.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int Win32EditBox::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageA(core_.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void Win32EditBox::SetPasswordChar(char c) {
  password_ = c;
  SendMessageA(core_.Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(c), 0);
  InvalidateRect(core_.Handle(), nullptr, TRUE);
}

void Win32EditBox::SetMaxLength(int length) {
  maxLength_ = length < 0 ? 0 : length;
  SendMessageA(core_.Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void Win32EditBox::SetReadOnly(bool on) {
  readOnly_ = on;
  SendMessageA(core_.Handle(), EM_SETREADONLY, on ? TRUE : FALSE, 0);
}

void Win32EditBox::SetCharCase(platform::CharCase charCase) {
  DWORD style = core_.Style() & ~DWORD{ES_UPPERCASE | ES_LOWERCASE};
  if (charCase == platform::CharCase::Upper) style |= ES_UPPERCASE;
  if (charCase == platform::CharCase::Lower) style |= ES_LOWERCASE;
  const std::string text = core_.Text();
  core_.SetStyles(style, static_cast<DWORD>(GetWindowLongA(core_.Handle(), GWL_EXSTYLE)));
  core_.SetText(text);  // the new case applies to what is there, too
}

void Win32EditBox::SetBorder(platform::EditBorderStyle border, bool ctl3D) {
  DWORD style = core_.Style() & ~DWORD{WS_BORDER};
  DWORD ex = static_cast<DWORD>(GetWindowLongA(core_.Handle(), GWL_EXSTYLE)) & ~DWORD{WS_EX_CLIENTEDGE};
  if (border == platform::EditBorderStyle::Single) {
    if (ctl3D) ex |= WS_EX_CLIENTEDGE;
    else style |= WS_BORDER;
  }
  core_.SetStyles(style, ex);
}

// ---- button

Win32Button::Win32Button(HWND parent, Win32Loop& loop, platform::ControlListener* listener)
    : core_(parent, loop, listener, "BUTTON") {
  core_.SetStyles(BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP, 0);
}

void Win32Button::SetLook(const platform::ControlLook& look) {
  const bool rtlChanged = look.rightToLeft != core_.Look().rightToLeft;
  core_.SetLook(look);
  if (rtlChanged) core_.SetStyles(core_.Style(), look.rightToLeft ? WS_EX_RTLREADING : 0);
}

void Win32Button::SetDefault(bool on) {
  const DWORD style = (core_.Style() & ~DWORD{BS_DEFPUSHBUTTON}) | (on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  core_.SetStyles(style, static_cast<DWORD>(GetWindowLongA(core_.Handle(), GWL_EXSTYLE)));
}

}  // namespace vx::win32
