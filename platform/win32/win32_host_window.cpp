#include "platform/win32/win32_host_window.h"

#include "platform/win32/win32_forms.h"

namespace vx::win32 {

namespace {
constexpr wchar_t kClass[] = L"VXHostWindow";

void RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}
}  // namespace

HostWindow::HostWindow(HWND parent) {
  RegisterOnce();
  hwnd_ = CreateWindowExW(0, kClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, nullptr,
                          ModuleInstance(), nullptr);
  if (hwnd_ == nullptr) ThrowLastError("Creating a host window");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindow::Proc));
}

HostWindow::~HostWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self != nullptr && message == WM_SIZE && self->onResize)
    self->onResize(LOWORD(lParam), HIWORD(lParam));
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void HostWindow::SetBounds(platform::Rect bounds) {
  bounds_ = bounds;
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void HostWindow::SetVisible(bool visible) {
  visible_ = visible;
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void HostWindow::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void HostWindow::BringToFront() {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HostWindow::SendToBack() {
  SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HostWindow::SetParentWindow(platform::Window& window) {
  auto* page = dynamic_cast<Win32Window*>(&window);
  if (page != nullptr && GetParent(hwnd_) != page->Handle()) SetParent(hwnd_, page->Handle());
}

bool HostWindow::HasFocus() const {
  HWND focus = GetFocus();
  return focus == hwnd_ || IsChild(hwnd_, focus) != FALSE;
}

}  // namespace vx::win32
