#include "platform/win32/win32_controls.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_text.h"

namespace vx::win32 {

namespace {

constexpr wchar_t kControlProperty[] = L"VxControl";

HFONT FontOf(const platform::FontSpec& f) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(f.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, f.strikeOut,
                     f.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     Widen(f.name).c_str());
}

platform::Point PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

ChildControl::ChildControl(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener,
                           const char* windowClass)
    : parent_(parent), loop_(loop), list_(&list), listener_(listener), class_(windowClass) {
  list_->controls_.push_back(this);
}

ChildControl::~ChildControl() {
  auto& all = list_->controls_;
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  if (hwnd_ != nullptr) {
    RemovePropW(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (brush_ != nullptr) DeleteObject(brush_);
}

ChildControl* ChildControl::Of(HWND child) {
  return child == nullptr ? nullptr : static_cast<ChildControl*>(GetPropW(child, kControlProperty));
}

void ChildControl::Create() {
  const std::string text = hwnd_ != nullptr ? Text() : std::string();
  const bool focused = hwnd_ != nullptr && HasFocus();
  if (hwnd_ != nullptr) {
    RemovePropW(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
  DWORD style = style_ | WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  hwnd_ = CreateWindowExW(exStyle_, Widen(class_).c_str(), Widen(text).c_str(), style, bounds_.left, bounds_.top, bounds_.width,
                          bounds_.height, parent_, nullptr, ModuleInstance(), nullptr);
  if (hwnd_ == nullptr) ThrowLastError(std::string("Creating a ") + class_ + " control");
  SetPropW(hwnd_, kControlProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildControl::SubclassProc)));
  if (font_ != nullptr) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // The frame was measured before the subclass saw it.
  if (BevelSize() > 0)
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyUiState();
  if (afterCreate) afterCreate();
  if (focused) SetFocus(hwnd_);
}

LRESULT CALLBACK ChildControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ChildControl* self = Of(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
      if (const int size = self->BevelSize(); size > 0) {
        // Both forms of the message start with the rectangle to shrink.
        InflateRect(reinterpret_cast<RECT*>(lParam), -size, -size);
      }
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
      if (self->BevelSize() > 0) self->PaintBevel();
      return result;
    }
    case WM_UPDATEUISTATE:
      // The keyboard cues must not bring a hidden focus rectangle back.
      if (self->hideFocus_) wParam = MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS);
      break;
    default: break;
  }
  platform::ControlListener* l = self->listener_;
  const bool mouseButton = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                           message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  if (l == nullptr || !mouseButton) return CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
  // As the toolkit: the control's own handling first (the focus, a button's
  // click), then the mouse event.
  const LRESULT result = CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
  const platform::Point at = PointOf(lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      self->clicked_ = true;
      self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Left, at); });
      break;
    case WM_RBUTTONDOWN: self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Right, at); }); break;
    case WM_MBUTTONDOWN: self->Tell([l, at] { l->OnMouseDown(platform::MouseButton::Middle, at); }); break;
    case WM_LBUTTONUP: {
      // An edit box has no click of its own: a left release inside it after
      // a press on it is one (a button's comes as BN_CLICKED).
      RECT client{};
      GetClientRect(hwnd, &client);
      const bool inside = at.x >= client.left && at.x < client.right && at.y >= client.top && at.y < client.bottom;
      if (self->clicked_ && inside && std::strcmp(self->class_, "BUTTON") != 0) self->Tell([l] { l->OnClick(); });
      self->clicked_ = false;
      self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Left, at); });
      break;
    }
    case WM_RBUTTONUP: self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Right, at); }); break;
    case WM_MBUTTONUP: self->Tell([l, at] { l->OnMouseUp(platform::MouseButton::Middle, at); }); break;
    default: break;
  }
  return result;
}

void ChildControl::Tell(const std::function<void()>& call) {
  if (listener_ != nullptr) loop_.Dispatch(call);
}

void ChildControl::Command(WORD code) {
  if ((code == EN_SETFOCUS || code == BN_SETFOCUS) && onFocus) onFocus();
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
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) DeleteObject(old);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ChildControl::SetTabStop(bool on) { SetStyles(on ? style_ | WS_TABSTOP : style_ & ~DWORD{WS_TABSTOP}, exStyle_); }

DialogControl ChildControl::DialogState() const {
  DialogControl d;
  d.tabOrder = tabOrder_;
  // IsWindowVisible: the page too must be showing.
  d.canFocus = IsWindowVisible(hwnd_) != FALSE && IsWindowEnabled(hwnd_) != FALSE;
  d.tabStop = (style_ & WS_TABSTOP) != 0;
  d.button = std::strcmp(class_, "BUTTON") == 0;
  d.isDefault = d.button && defaultButton_;
  return d;
}

void ChildControl::BringToFront() {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ChildControl::SendToBack() {
  SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ChildControl::MoveTo(HWND parent, ControlList& list) {
  if (parent == parent_) return;
  auto& old = list_->controls_;
  old.erase(std::remove(old.begin(), old.end(), this), old.end());
  list_ = &list;
  list_->controls_.push_back(this);
  parent_ = parent;
  ::SetParent(hwnd_, parent_);
  SetWindowPos(hwnd_, HWND_TOP, bounds_.left, bounds_.top, bounds_.width, bounds_.height, SWP_NOACTIVATE);
}

void ChildControl::MoveInTabOrder(int place) {
  const auto& controls = list_->InMadeOrder();
  std::vector<DialogControl> states;
  int moved = -1;
  for (ChildControl* c : controls) {
    if (c == this) moved = static_cast<int>(states.size());
    states.push_back(c->DialogState());
  }
  const std::vector<int> orders = TabOrdersAfterMove(states, moved, place);
  for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->tabOrder_ = orders[i];
}

int ChildControl::FontLineHeight() const {
  HDC dc = GetDC(hwnd_);
  if (dc == nullptr) return 0;
  // Without a font of its own the control writes in the system font, which
  // a fresh device context holds too.
  HGDIOBJ old = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  TEXTMETRICW metrics{};
  const BOOL measured = GetTextMetricsW(dc, &metrics);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return measured ? static_cast<int>(metrics.tmHeight) : 0;
}

int ChildControl::FrameHeight() const {
  int frame = 2 * BevelSize();
  if ((exStyle_ & WS_EX_CLIENTEDGE) != 0) frame += 2 * GetSystemMetrics(SM_CYEDGE);
  if ((style_ & WS_BORDER) != 0) frame += 2 * GetSystemMetrics(SM_CYBORDER);
  return frame;
}

// One pixel for each cut that is not none, while there is a bevel at all.
int ChildControl::BevelSize() const {
  if (bevelKind_ == platform::BevelKind::None) return 0;
  return (bevelInner_ != platform::BevelCut::None ? 1 : 0) + (bevelOuter_ != platform::BevelCut::None ? 1 : 0);
}

void ChildControl::SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind, bool mono) {
  bevelInner_ = inner;
  bevelOuter_ = outer;
  bevelKind_ = kind;
  bevelMono_ = mono;
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Around the client area, inside the system's own border, as the toolkit's
// bevel edges are drawn; a space cut shows the control's colour.
void ChildControl::PaintBevel() {
  static const UINT kInner[] = {0, BDR_SUNKENINNER, BDR_RAISEDINNER, 0};  // none, lowered, raised, space
  static const UINT kOuter[] = {0, BDR_SUNKENOUTER, BDR_RAISEDOUTER, 0};
  static const UINT kKind[] = {0, 0, BF_SOFT, BF_FLAT};                    // none, tile, soft, flat
  const int size = BevelSize();
  HDC dc = GetWindowDC(hwnd_);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  RECT window;
  GetWindowRect(hwnd_, &window);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&window), 2);
  OffsetRect(&client, -window.left, -window.top);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  RECT edge = client;
  InflateRect(&edge, size, size);
  DrawEdge(dc, &edge, kInner[static_cast<int>(bevelInner_)] | kOuter[static_cast<int>(bevelOuter_)],
           BF_RECT | BF_ADJUST | kKind[static_cast<int>(bevelKind_)] | (bevelMono_ ? BF_MONO : 0));
  IntersectClipRect(dc, edge.left, edge.top, edge.right, edge.bottom);
  HBRUSH fill = CreateSolidBrush(look_.color);
  FillRect(dc, &edge, fill);
  DeleteObject(fill);
  ReleaseDC(hwnd_, dc);
}

void ChildControl::SetFocusRectShown(bool on) {
  hideFocus_ = !on;
  ApplyUiState();
}

void ChildControl::ApplyUiState() {
  if (hwnd_ == nullptr) return;
  SendMessageW(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(hideFocus_ ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS), 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string ChildControl::Text() const { return WindowText(hwnd_); }

void ChildControl::SetText(const std::string& text) { SetWindowTextOf(hwnd_, text); }

// ---- edit box

Win32EditBox::Win32EditBox(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener)
    : core_(parent, loop, list, listener, "EDIT") {
  core_.afterCreate = [this] { Restore(); };
  // A press of the left button places the caret itself.
  core_.onFocus = [this] {
    if (autoSelect_ && GetKeyState(VK_LBUTTON) >= 0) SendMessageW(core_.Handle(), EM_SETSEL, 0, -1);
  };
  core_.SetStyles(ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

void Win32EditBox::Restore() {
  HWND h = core_.Handle();
  SendMessageW(h, EM_SETPASSWORDCHAR, WidenChar(password_), 0);
  SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  SendMessageW(h, EM_SETREADONLY, readOnly_ ? TRUE : FALSE, 0);
}

void Win32EditBox::SetLook(const platform::ControlLook& look) {
  const bool rtlChanged = look.rightToLeft != core_.Look().rightToLeft;
  core_.SetLook(look);
  if (!rtlChanged) return;
  // The reading order and the alignment are fixed when the control is made.
  const DWORD rtlEx = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  DWORD style = core_.Style() & ~DWORD{ES_RIGHT};
  if (look.rightToLeft) style |= ES_RIGHT;
  const DWORD ex = static_cast<DWORD>(GetWindowLongW(core_.Handle(), GWL_EXSTYLE)) & ~rtlEx;
  core_.SetStyles(style, look.rightToLeft ? ex | rtlEx : ex);
}

void Win32EditBox::SetSelection(int start, int length) {
  SendMessageW(core_.Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

int Win32EditBox::SelectionStart() const {
  DWORD start = 0, end = 0;
  SendMessageW(core_.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int Win32EditBox::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(core_.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void Win32EditBox::SetPasswordChar(char c) {
  password_ = c;
  SendMessageW(core_.Handle(), EM_SETPASSWORDCHAR, WidenChar(c), 0);
  InvalidateRect(core_.Handle(), nullptr, TRUE);
}

void Win32EditBox::SetMaxLength(int length) {
  maxLength_ = length < 0 ? 0 : length;
  SendMessageW(core_.Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void Win32EditBox::SetReadOnly(bool on) {
  readOnly_ = on;
  SendMessageW(core_.Handle(), EM_SETREADONLY, on ? TRUE : FALSE, 0);
}

void Win32EditBox::SetCharCase(platform::CharCase charCase) {
  DWORD style = core_.Style() & ~DWORD{ES_UPPERCASE | ES_LOWERCASE};
  if (charCase == platform::CharCase::Upper) style |= ES_UPPERCASE;
  if (charCase == platform::CharCase::Lower) style |= ES_LOWERCASE;
  const std::string text = core_.Text();
  core_.SetStyles(style, static_cast<DWORD>(GetWindowLongW(core_.Handle(), GWL_EXSTYLE)));
  core_.SetText(text);  // the new case applies to what is there, too
}

void Win32EditBox::SetParentWindow(platform::Window& window) {
  if (auto* to = dynamic_cast<Win32Window*>(&window)) core_.MoveTo(to->Handle(), to->ChildControls());
}

void Win32EditBox::SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind) {
  bevelInner_ = inner;
  bevelOuter_ = outer;
  bevelKind_ = kind;
  core_.SetBevel(inner, outer, kind, !ctl3D_);
}

int Win32EditBox::OneLineHeight() const { return core_.FontLineHeight() + 2 * 2 + core_.FrameHeight(); }

void Win32EditBox::SetBorder(platform::EditBorderStyle border, bool ctl3D) {
  ctl3D_ = ctl3D;
  core_.SetBevel(bevelInner_, bevelOuter_, bevelKind_, !ctl3D_);
  DWORD style = core_.Style() & ~DWORD{WS_BORDER};
  DWORD ex = static_cast<DWORD>(GetWindowLongW(core_.Handle(), GWL_EXSTYLE)) & ~DWORD{WS_EX_CLIENTEDGE};
  if (border == platform::EditBorderStyle::Single) {
    if (ctl3D) ex |= WS_EX_CLIENTEDGE;
    else style |= WS_BORDER;
  }
  core_.SetStyles(style, ex);
}

// ---- button

Win32Button::Win32Button(HWND parent, Win32Loop& loop, ControlList& list, platform::ControlListener* listener)
    : core_(parent, loop, list, listener, "BUTTON") {
  core_.SetStyles(BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP, 0);
}

void Win32Button::SetLook(const platform::ControlLook& look) {
  const bool rtlChanged = look.rightToLeft != core_.Look().rightToLeft;
  core_.SetLook(look);
  if (rtlChanged) core_.SetStyles(core_.Style(), look.rightToLeft ? WS_EX_RTLREADING : 0);
}

void Win32Button::SetParentWindow(platform::Window& window) {
  if (auto* to = dynamic_cast<Win32Window*>(&window)) core_.MoveTo(to->Handle(), to->ChildControls());
}

void Win32Button::SetDefault(bool on) {
  core_.SetDefaultButton(on);
  const DWORD style = (core_.Style() & ~DWORD{BS_DEFPUSHBUTTON}) | (on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  core_.SetStyles(style, static_cast<DWORD>(GetWindowLongW(core_.Handle(), GWL_EXSTYLE)));
}

}  // namespace vx::win32
