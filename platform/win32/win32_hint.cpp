#include "platform/win32/win32_hint.h"

#include <string>

#include "platform/win32/win32_text.h"

namespace vx::win32 {

namespace {

constexpr wchar_t kHintClass[] = L"VxHintWindow";
constexpr int kPadding = 2;
constexpr int kFontPoints = 8;
constexpr int kMaxWidth = 300;  // longer hints wrap
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

}  // namespace

Win32HintWindow::~Win32HintWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (font_ != nullptr) DeleteObject(font_);
}

void Win32HintWindow::Create() {
  static bool registered = false;
  if (!registered) {
    registered = true;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Win32HintWindow::WindowProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kHintClass;
    RegisterClassW(&wc);
  }
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                          kHintClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, ModuleInstance(), nullptr);
  if (hwnd_ == nullptr) ThrowLastError("Cannot create the hint window");
  SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Win32HintWindow::Show(const platform::HintWindow& hint) {
  if (shown_ && hint == hint_) return;
  if (hwnd_ == nullptr) Create();
  hint_ = hint;
  shown_ = true;
  RECT r{0, 0, kMaxWidth, 0};
  HDC dc = GetDC(hwnd_);
  const HGDIOBJ old = SelectObject(dc, font_);
  DrawTextW(dc, Widen(hint.text).c_str(), -1, &r, kTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  const int width = r.right - r.left + 2 * (kPadding + 1);
  const int height = r.bottom - r.top + 2 * (kPadding + 1);
  SetWindowPos(hwnd_, HWND_TOPMOST, hint.at.x, hint.at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, TRUE);
  Trace("hint [" + hint.text + "] at " + std::to_string(hint.at.x) + "," + std::to_string(hint.at.y));
}

void Win32HintWindow::Hide() {
  if (!shown_) return;
  shown_ = false;
  ShowWindow(hwnd_, SW_HIDE);
  Trace("hint hidden");
}

void Win32HintWindow::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  RECT r{};
  GetClientRect(hwnd_, &r);
  const HBRUSH fill = CreateSolidBrush(hint_.color);
  FillRect(dc, &r, fill);
  DeleteObject(fill);
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, hint_.textColor);
  RECT text{r.left + kPadding + 1, r.top + kPadding + 1, r.right - kPadding - 1, r.bottom - kPadding - 1};
  DrawTextW(dc, Widen(hint_.text).c_str(), -1, &text, kTextFormat);
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK Win32HintWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32HintWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (self != nullptr) {
        self->Paint();
        return 0;
      }
      break;
    default: break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace vx::win32
