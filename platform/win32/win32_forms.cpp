#include "platform/win32/win32_forms.h"

#include "platform/win32/win32_canvas.h"

#include <commctrl.h>

#include <algorithm>

namespace vx::win32 {

namespace {
constexpr char kPageClass[] = "TVXForm";
constexpr char kSplashClass[] = "TVXLoad";

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  for (const char* name : {kPageClass, kSplashClass}) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Win32Window::WindowProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(32512)));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
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
    hwnd_ = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, r.left, r.top, r.width, r.height,
                            parent, nullptr, ModuleInstance(), nullptr);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  ~Win32Label() override { DestroyWindow(hwnd_); }
  void SetText(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }
  std::string Text() const override {
    char buffer[1024];
    const int n = GetWindowTextA(hwnd_, buffer, sizeof buffer);
    return std::string(buffer, static_cast<std::size_t>(std::max(0, n)));
  }

 private:
  HWND hwnd_;
};

class Win32ProgressBar : public platform::ProgressBar {
 public:
  Win32ProgressBar(HWND parent, platform::Rect r) {
    hwnd_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, r.left, r.top, r.width, r.height, parent,
                            nullptr, ModuleInstance(), nullptr);
    SetRange(100);
  }
  ~Win32ProgressBar() override { DestroyWindow(hwnd_); }
  void SetRange(int maximum) override {
    maximum_ = maximum;
    SendMessageA(hwnd_, PBM_SETRANGE32, 0, maximum);
  }
  void SetPosition(int position) override {
    position_ = position;
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
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
    : owner_(owner), listener_(options.listener) {
  RegisterClasses();
  const char* cls = options.kind == platform::WindowOptions::Kind::Splash ? kSplashClass : kPageClass;
  const Styles s = StylesFor(frame_, icons_);
  hwnd_ = CreateWindowExA(s.exStyle, cls, "", s.style, 0, 0, 100, 100, nullptr, nullptr, ModuleInstance(), this);
  if (hwnd_ == nullptr) ThrowLastError("Cannot create window");
  owner_.windows_.push_back(this);
}

Win32Window::~Win32Window() {
  owner_.windows_.erase(std::remove(owner_.windows_.begin(), owner_.windows_.end(), this), owner_.windows_.end());
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  if (IsWindowVisible(hwnd_)) Trace("hide " + name_);
  Trace("destroy " + name_);
  DestroyWindow(hwnd_);
}

std::string Win32Window::Caption() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int n = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(0, n)));
  return text;
}

void Win32Window::ApplyStyle() {
  const platform::Size client = ClientSize();
  const Styles s = StylesFor(frame_, icons_);
  const DWORD visible = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & WS_VISIBLE;
  SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(s.style | visible));
  SetWindowLongA(hwnd_, GWL_EXSTYLE,
                 static_cast<LONG>(s.exStyle | (stayOnTop_ ? WS_EX_TOPMOST : 0) | LookExStyle()));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetClientSize(client);
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

void Win32Window::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  const platform::Size size = ClientSize();
  // Double buffering paints into a bitmap first and shows it in one go.
  HDC target = dc;
  HBITMAP buffer = nullptr;
  HGDIOBJ old = nullptr;
  if (look_.doubleBuffered && size.width > 0 && size.height > 0) {
    target = CreateCompatibleDC(dc);
    buffer = CreateCompatibleBitmap(dc, size.width, size.height);
    old = SelectObject(target, buffer);
  }
  Win32Canvas canvas(target, size);
  canvas.FillRect({0, 0, size.width, size.height}, look_.color);
  if (listener_ != nullptr) {
    try {
      listener_->OnPaint(canvas);
    } catch (const std::exception& e) {
      Trace(std::string("paint failed: ") + e.what());
    }
  }
  if (buffer != nullptr) {
    BitBlt(dc, 0, 0, size.width, size.height, target, 0, 0, SRCCOPY);
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
  RECT r{0, 0, size.width, size.height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::Size Win32Window::ClientSize() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void Win32Window::Show() {
  const bool was = IsVisible();
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

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->hwnd_ == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
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
      Notify(&platform::WindowListener::OnResized);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills with the window colour, without flicker
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

Win32Forms::Win32Forms(Win32Loop& loop) : loop_(loop) {
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

std::unique_ptr<platform::Window> Win32Forms::OpenWindow(const platform::WindowOptions& options) {
  return std::make_unique<Win32Window>(*this, options);
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
