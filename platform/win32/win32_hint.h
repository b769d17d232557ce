#pragma once
// The hint window: a borderless top-most box that shows a hint text near
// the cursor. Layered and transparent to the mouse, so it never takes a
// click or changes which window is under the cursor.

#include "platform/forms.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class Win32HintWindow {
 public:
  Win32HintWindow() = default;
  ~Win32HintWindow();
  Win32HintWindow(const Win32HintWindow&) = delete;
  Win32HintWindow& operator=(const Win32HintWindow&) = delete;

  void Show(const platform::HintWindow& hint);
  void Hide();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Create();
  void Paint();

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  platform::HintWindow hint_;
  bool shown_ = false;
};

}  // namespace vx::win32
