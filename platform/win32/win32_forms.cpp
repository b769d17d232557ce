#include "platform/win32/win32_forms.h"

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_text.h"

#include <commctrl.h>

#include <algorithm>

namespace vx::win32 {

namespace {
constexpr wchar_t kPageClass[] = L"TVXForm";
constexpr wchar_t kSplashClass[] = L"TVXLoad";

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  for (const wchar_t* name : {kPageClass, kSplashClass}) {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Win32Window::WindowProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(32512)));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = name;
    RegisterClassW(&wc);
  }
}

struct Styles {
  DWORD style;
  DWORD exStyle;
};

Styles StylesFor(platform::FrameStyle frame, const platform::BorderIcons& icons) {
  using platform::FrameStyle;
  Styles s{WS_CLIPCHILDREN, 0};
  switch (frame) {
    case FrameStyle::None: s.style |= WS_POPUP; break;
    case FrameStyle::Single: s.style |= WS_CAPTION | WS_BORDER; break;
    case FrameStyle::Sizeable: s.style |= WS_CAPTION | WS_THICKFRAME; break;
    case FrameStyle::Dialog:
      s.style |= WS_POPUP | WS_CAPTION | WS_DLGFRAME;
      s.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case FrameStyle::ToolWindow:
      s.style |= WS_CAPTION | WS_BORDER;
      s.exStyle |= WS_EX_TOOLWINDOW;
      break;
    case FrameStyle::SizeableToolWindow:
      s.style |= WS_CAPTION | WS_THICKFRAME;
      s.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (frame != FrameStyle::None && icons.systemMenu) {
    s.style |= WS_SYSMENU;
    const bool boxes = frame == FrameStyle::Single || frame == FrameStyle::Sizeable;
    if (boxes && icons.minimize) s.style |= WS_MINIMIZEBOX;
    if (boxes && icons.maximize) s.style |= WS_MAXIMIZEBOX;
    if (icons.help && !(boxes && (icons.minimize || icons.maximize))) s.exStyle |= WS_EX_CONTEXTHELP;
  }
  return s;
}

class Win32Label : public platform::Label {
 public:
  Win32Label(HWND parent, platform::Rect r, const std::string& text) {
    hwnd_ = CreateWindowExW(0, L"STATIC", Widen(text).c_str(), WS_CHILD | WS_VISIBLE, r.left, r.top, r.width, r.height,
                            parent, nullptr, ModuleInstance(), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  ~Win32Label() override { DestroyWindow(hwnd_); }
  void SetText(const std::string& text) override { SetWindowTextOf(hwnd_, text); }
  std::string Text() const override { return WindowText(hwnd_); }

 private:
  HWND hwnd_;
};

class Win32ProgressBar : public platform::ProgressBar {
 public:
  Win32ProgressBar(HWND parent, platform::Rect r) {
    hwnd_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.width, r.height, parent,
                            nullptr, ModuleInstance(), nullptr);
    SetRange(100);
  }
  ~Win32ProgressBar() override { DestroyWindow(hwnd_); }
  void SetRange(int maximum) override {
    maximum_ = maximum;
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, maximum);
  }
  void SetPosition(int position) override {
    position_ = position;
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  }
  int Maximum() const override { return maximum_; }
  int Position() const override { return position_; }

 private:
  HWND hwnd_;
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace

Win32Window::Win32Window(Win32Forms& owner, const platform::WindowOptions& options)
    : owner_(owner), listener_(options.listener), kind_(options.kind) {
  RegisterClasses();
  const wchar_t* cls = options.kind == platform::WindowOptions::Kind::Splash ? kSplashClass : kPageClass;
  const Styles s = StylesFor(frame_, icons_);
  hwnd_ = CreateWindowExW(s.exStyle, cls, L"", s.style, 0, 0, 100, 100, nullptr, nullptr, ModuleInstance(), this);
  if (hwnd_ == nullptr) ThrowLastError("Cannot create window");
  owner_.windows_.push_back(this);
}

Win32Window::~Win32Window() {
  owner_.windows_.erase(std::remove(owner_.windows_.begin(), owner_.windows_.end(), this), owner_.windows_.end());
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  if (IsWindowVisible(hwnd_)) Trace("hide " + name_);
  Trace("destroy " + name_);
  DestroyWindow(hwnd_);
}

std::string Win32Window::Caption() const { return WindowText(hwnd_); }

void Win32Window::SetCaption(const std::string& caption) { SetWindowTextOf(hwnd_, caption); }

namespace {

// What the frame adds around the client area and its scroll bars.
SIZE FrameExtra(DWORD style, DWORD exStyle) {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

SIZE ScrollBarsExtra(DWORD style) {
  return {(style & WS_VSCROLL) != 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0,
          (style & WS_HSCROLL) != 0 ? GetSystemMetrics(SM_CYHSCROLL) : 0};
}

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
DWORD ExStyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)); }

}  // namespace

void Win32Window::ApplyStyle() {
  const Styles s = StylesFor(frame_, icons_);
  DWORD style = s.style | (StyleOf(hwnd_) & WS_VISIBLE);
  if (look_.horizontalScrollBar) style |= WS_HSCROLL;
  if (look_.verticalScrollBar) style |= WS_VSCROLL;
  const DWORD exStyle = s.exStyle | (stayOnTop_ ? WS_EX_TOPMOST : 0) | LookExStyle();
  const DWORD oldStyle = StyleOf(hwnd_), oldExStyle = ExStyleOf(hwnd_);
  // A change of the look alone (translucency, colours) leaves the frame be:
  // a frame change on every step of a fading page would flicker. The system
  // adds the window edge to framed windows itself.
  if (style == oldStyle && exStyle == (oldExStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE))) return;
  // The area inside the frame keeps its size: a new frame keeps the client
  // area, a new scroll bar takes its width from it, as on a form.
  const platform::Rect bounds = Bounds();
  const SIZE oldFrame = FrameExtra(oldStyle, oldExStyle);
  const int innerWidth = bounds.width - oldFrame.cx, innerHeight = bounds.height - oldFrame.cy;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  const SIZE frame = FrameExtra(style, exStyle);
  SetWindowPos(hwnd_, nullptr, 0, 0, innerWidth + frame.cx, innerHeight + frame.cy,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD Win32Window::LookExStyle() const {
  DWORD ex = 0;
  if (look_.rightToLeft) ex |= WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  if (look_.alphaBlend || look_.transparentColorKey) ex |= WS_EX_LAYERED;
  return ex;
}

void Win32Window::SetLook(const platform::WindowLook& look) {
  look_ = look;
  ApplyStyle();
  if (look.alphaBlend || look.transparentColorKey) {
    DWORD flags = 0;
    if (look.alphaBlend) flags |= LWA_ALPHA;
    if (look.transparentColorKey) flags |= LWA_COLORKEY;
    SetLayeredWindowAttributes(hwnd_, look.transparentColor, look.alphaBlend ? look.alphaValue : 255, flags);
  }
  ShowScrollBar(hwnd_, SB_HORZ, look.horizontalScrollBar);
  ShowScrollBar(hwnd_, SB_VERT, look.verticalScrollBar);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Window::Invalidate(platform::Rect area) {
  if (area.width <= 0 || area.height <= 0) return;
  const RECT r{area.left, area.top, area.Right(), area.Bottom()};
  InvalidateRect(hwnd_, &r, FALSE);
}

void Win32Window::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  const platform::Size size = ClientSize();
  const platform::Rect area{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                            ps.rcPaint.bottom - ps.rcPaint.top};
  // Double buffering paints into a bitmap first and shows it in one go.
  HDC target = dc;
  HBITMAP buffer = nullptr;
  HGDIOBJ old = nullptr;
  if (look_.doubleBuffered && size.width > 0 && size.height > 0) {
    target = CreateCompatibleDC(dc);
    buffer = CreateCompatibleBitmap(dc, size.width, size.height);
    old = SelectObject(target, buffer);
    // The window's own DC keeps to the paint's area already; the bitmap's
    // must be told.
    IntersectClipRect(target, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
  }
  Win32Canvas canvas(target, size, area);
  canvas.FillRect(area, look_.color);
  if (listener_ != nullptr) {
    try {
      listener_->OnPaint(canvas);
    } catch (const std::exception& e) {
      Trace(std::string("paint failed: ") + e.what());
    }
  }
  if (buffer != nullptr) {
    BitBlt(dc, area.left, area.top, area.width, area.height, target, area.left, area.top, SRCCOPY);
    SelectObject(target, old);
    DeleteObject(buffer);
    DeleteDC(target);
  }
  EndPaint(hwnd_, &ps);
}

void Win32Window::SetFrameStyle(platform::FrameStyle style) {
  frame_ = style;
  ApplyStyle();
}

void Win32Window::SetBorderIcons(platform::BorderIcons icons) {
  icons_ = icons;
  ApplyStyle();
}

void Win32Window::SetStayOnTop(bool on) {
  stayOnTop_ = on;
  SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Window::SetBounds(platform::Rect b) {
  SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::Rect Win32Window::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Window::SetClientSize(platform::Size size) {
  const DWORD style = StyleOf(hwnd_);
  const SIZE frame = FrameExtra(style, ExStyleOf(hwnd_));
  const SIZE bars = ScrollBarsExtra(style);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.width + bars.cx + frame.cx, size.height + bars.cy + frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::Size Win32Window::ClientSize() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

namespace {

// The screen pixels of area, as a person sees them now.
RgbaImage CaptureScreen(platform::Point origin, platform::Size size) {
  if (size.width <= 0 || size.height <= 0 || !RgbaImage::SizeAllowed(size.width, size.height)) return {};
  RgbaImage image(size.width, size.height, {0, 0, 0, 255});
  const HDC screen = GetDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib != nullptr && bits != nullptr) {
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, size.width, size.height, screen, origin.x, origin.y, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (Rgba& p : image.Pixels()) {
      p = {bgra[2], bgra[1], bgra[0], 255};
      bgra += 4;
    }
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (dib != nullptr) DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  return image;
}

}  // namespace

void Win32Window::Show() {
  const bool was = IsVisible();
  if (!was) behind_ = CaptureScreen(ClientOrigin(), ClientSize());
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (was) return;
  Trace("show " + name_);
  Notify(&platform::WindowListener::OnShown);
}

void Win32Window::Hide() {
  if (!IsVisible()) return;
  ShowWindow(hwnd_, SW_HIDE);
  Trace("hide " + name_);
  Notify(&platform::WindowListener::OnHidden);
}

void Win32Window::Notify(void (platform::WindowListener::*event)()) {
  if (listener_ != nullptr) owner_.loop_.Dispatch([this, event] { (listener_->*event)(); });
}

std::unique_ptr<platform::Label> Win32Window::AddLabel(platform::Rect bounds, const std::string& text) {
  return std::make_unique<Win32Label>(hwnd_, bounds, text);
}

std::unique_ptr<platform::ProgressBar> Win32Window::AddProgressBar(platform::Rect bounds) {
  return std::make_unique<Win32ProgressBar>(hwnd_, bounds);
}

std::unique_ptr<platform::EditBox> Win32Window::AddEditBox(platform::ControlListener* listener) {
  return std::make_unique<Win32EditBox>(hwnd_, owner_.loop_, controls_, listener);
}

std::unique_ptr<platform::Button> Win32Window::AddButton(platform::ControlListener* listener) {
  return std::make_unique<Win32Button>(hwnd_, owner_.loop_, controls_, listener);
}

void Win32Window::BringToForeground() {
  if (!IsVisible()) return;
  // A minimised page comes back first: the foreground is what a person sees.
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  Trace("foreground " + name_);
}

void Win32Window::ClearFocus() {
  lastFocus_ = nullptr;
  ::SetFocus(hwnd_);
}

bool Win32Window::FocusBack() {
  const auto& controls = controls_.InMadeOrder();
  if (std::find(controls.begin(), controls.end(), lastFocus_) == controls.end()) return false;
  const HWND h = lastFocus_->Handle();
  if (!IsWindowVisible(h) || !IsWindowEnabled(h)) return false;
  if (GetFocus() != h) ::SetFocus(h);
  return true;
}

bool Win32Window::TakeKey(const MSG& msg) {
  if (msg.hwnd != hwnd_ && ChildControl::Of(msg.hwnd) == nullptr) return false;
  // The page hears every key first, whatever control has the focus: its
  // shortcuts decide for themselves whether an edit box keeps the key.
  const int key = static_cast<int>(msg.wParam);
  bool used = false;
  if (listener_ != nullptr) owner_.loop_.Dispatch([this, key, &used] { used = listener_->OnKeyDown(key); });
  if (used) return true;
  // Asked after the page's handler ran: its script may have moved things.
  std::vector<DialogControl> states;
  int focused = -1;
  const HWND focus = GetFocus();
  const auto& controls = controls_.InMadeOrder();
  for (ChildControl* c : controls) {
    if (c->Handle() == focus) focused = static_cast<int>(states.size());
    states.push_back(c->DialogState());
  }
  const KeyModifiers held{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
  const DialogKeyAction action = DialogKey(states, focused, key, held);
  if (action.kind == DialogKeyAction::Kind::None) return false;
  ChildControl* target = controls[static_cast<std::size_t>(action.control)];
  // Taken whole: no WM_CHAR follows, so the edit box does not beep.
  if (action.kind == DialogKeyAction::Kind::Focus) SetFocus(target->Handle());
  else target->ClickByKey();
  return true;
}

platform::Point Win32Window::ClientOrigin() const {
  POINT p{0, 0};
  ClientToScreen(hwnd_, &p);
  return {p.x, p.y};
}

void Win32Window::ShowModal() {
  std::vector<HWND> disabled;
  for (Win32Window* w : owner_.windows_)
    if (w != this && IsWindowEnabled(w->hwnd_)) {
      EnableWindow(w->hwnd_, FALSE);
      disabled.push_back(w->hwnd_);
    }
  Trace("modal " + name_);
  Show();
  // The nested loop: the statement that showed the page waits for its end.
  MSG msg;
  while (IsWindow(hwnd_) && IsWindowVisible(hwnd_)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    owner_.loop_.Handle(msg);
  }
  for (HWND h : disabled)
    if (IsWindow(h)) EnableWindow(h, TRUE);
  Trace("modal end " + name_);
}

namespace {

platform::Point PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

void Win32Window::NotifyMouse(UINT message, LPARAM lParam) {
  if (listener_ == nullptr) return;
  using platform::MouseButton;
  const platform::Point at = PointOf(lParam);
  auto down = [this, at](MouseButton b) {
    SetCapture(hwnd_);
    owner_.loop_.Dispatch([this, b, at] { listener_->OnMouseDown(b, at); });
  };
  auto up = [this, at](MouseButton b) {
    if (GetCapture() == hwnd_) ReleaseCapture();
    owner_.loop_.Dispatch([this, b, at] { listener_->OnMouseUp(b, at); });
  };
  switch (message) {
    case WM_LBUTTONDOWN: down(MouseButton::Left); break;
    case WM_RBUTTONDOWN: down(MouseButton::Right); break;
    case WM_MBUTTONDOWN: down(MouseButton::Middle); break;
    case WM_LBUTTONUP: up(MouseButton::Left); break;
    case WM_RBUTTONUP: up(MouseButton::Right); break;
    case WM_MBUTTONUP: up(MouseButton::Middle); break;
    case WM_MOUSEMOVE: owner_.loop_.Dispatch([this, at] { listener_->OnMouseMove(at); }); break;
    default: break;
  }
}

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->hwnd_ == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Trace("close " + name_);
      Notify(&platform::WindowListener::OnCloseRequested);
      Hide();
      return 0;
    case WM_SIZE:
      owner_.WindowSized(wParam);
      Notify(&platform::WindowListener::OnResized);
      return 0;
    case WM_SYSCOMMAND:
      // The main form's minimise box sends the whole application away.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && owner_.IsMainPage(this)) {
        owner_.MinimizeApplication();
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_SETCURSOR:
      // A child control asks its parent first: its own cursor number wins.
      if (ChildControl* child = ChildControl::Of(reinterpret_cast<HWND>(wParam));
          child != nullptr && LOWORD(lParam) == HTCLIENT && child->CursorNumber() != 0) {
        if (const HCURSOR cursor = owner_.CursorFor(child->CursorNumber())) {
          ::SetCursor(cursor);
          return TRUE;
        }
      }
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd_ && cursor_ != 0) {
        if (const HCURSOR cursor = owner_.CursorFor(cursor_)) {
          ::SetCursor(cursor);
          return TRUE;
        }
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      NotifyMouse(message, lParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (listener_ != nullptr) {
        const bool up = GET_WHEEL_DELTA_WPARAM(wParam) > 0;
        owner_.loop_.Dispatch([this, up] { listener_->OnMouseWheel(up); });
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills with the window colour, without flicker
    case WM_PAINT:
      Paint();
      return 0;
    case WM_COMMAND:
      if (ChildControl* child = ChildControl::Of(reinterpret_cast<HWND>(lParam))) {
        if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == BN_SETFOCUS) lastFocus_ = child;
        child->Command(HIWORD(wParam));
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_ACTIVATE:
      // The system would give the focus to the window itself; a control
      // that had it keeps it (also when the activation arrives late, after
      // a click already put the focus into an edit box).
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && FocusBack()) return 0;
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // a read-only or disabled edit asks this way
      if (ChildControl* child = ChildControl::Of(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(child->Colors(reinterpret_cast<HDC>(wParam)));
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

Win32Forms::Win32Forms(Win32Loop& loop) : loop_(loop) {
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  loop_.SetMessageFilter([this](const MSG& msg) { return TakeKey(msg); });
}

bool Win32Forms::TakeKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  for (Win32Window* w : windows_)
    if (w->hwnd_ == root) return w->TakeKey(msg);
  return false;
}

std::unique_ptr<platform::Window> Win32Forms::OpenWindow(const platform::WindowOptions& options) {
  return std::make_unique<Win32Window>(*this, options);
}

void Win32Forms::MinimizeApplication() {
  const bool was = minimized_;
  minimized_ = true;
  for (Win32Window* w : windows_)
    if (IsWindowVisible(w->hwnd_) && !IsIconic(w->hwnd_)) ShowWindow(w->hwnd_, SW_MINIMIZE);
  if (was) return;
  Trace("minimize application");
  if (appHandlers_.minimized) loop_.Dispatch(appHandlers_.minimized);
}

void Win32Forms::RestoreApplication() {
  const bool was = minimized_;
  minimized_ = false;
  for (Win32Window* w : windows_)
    if (IsIconic(w->hwnd_)) ShowWindow(w->hwnd_, SW_RESTORE);
  if (!was) return;
  Trace("restore application");
  if (appHandlers_.restored) loop_.Dispatch(appHandlers_.restored);
}

// A window of a minimised application that comes back (from the task bar)
// brings the others with it.
void Win32Forms::WindowSized(WPARAM kind) {
  if (minimized_ && (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED)) RestoreApplication();
}

bool Win32Forms::IsMainPage(const Win32Window* window) const {
  for (const Win32Window* w : windows_)
    if (w->kind_ == platform::WindowOptions::Kind::Page) return w == window;
  return false;
}

platform::Window* Win32Forms::WindowAt(platform::Point screen) {
  const HWND under = WindowFromPoint(POINT{screen.x, screen.y});
  if (under == nullptr) return nullptr;
  const HWND root = GetAncestor(under, GA_ROOT);
  for (Win32Window* w : windows_)
    if (w->hwnd_ == root && IsWindowVisible(root) && !IsIconic(root)) return w;
  return nullptr;
}

void Win32Forms::ShowHintWindow(const platform::HintWindow& hint) {
  if (!hint_) hint_ = std::make_unique<Win32HintWindow>();
  hint_->Show(hint);
}

void Win32Forms::HideHintWindow() {
  if (hint_) hint_->Hide();
}

HCURSOR Win32Forms::CursorFor(int cursorNumber) const {
  static const LPCSTR kStandard[] = {IDC_ARROW, IDC_ARROW,    IDC_HELP,    IDC_APPSTARTING, IDC_WAIT,
                                     IDC_ARROW, IDC_ARROW,    IDC_HAND,    IDC_IBEAM,       IDC_CROSS,
                                     IDC_SIZEWE, IDC_SIZENS,  IDC_NO};
  if (cursorNumber >= 0 && cursorNumber <= 12) {
    // The toolkit's drag cursors are its own; the arrow stands in for them.
    return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(kStandard[cursorNumber]));
  }
  return customCursor_ ? customCursor_(cursorNumber) : nullptr;
}

platform::Window* Win32Forms::ActiveWindow() {
  const HWND active = GetActiveWindow();
  for (Win32Window* w : windows_)
    if (w->Handle() == active) return w;
  return nullptr;
}

bool Win32Forms::IsLive(const platform::Window* window) {
  for (Win32Window* w : windows_)
    if (w == window) return IsWindow(w->Handle()) != FALSE;
  return false;
}

}  // namespace vx::win32
