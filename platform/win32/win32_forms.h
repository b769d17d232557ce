#pragma once

#include <functional>
#include <vector>

#include "platform/forms.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_hint.h"
#include "platform/win32/win32_loop.h"

namespace vx::win32 {

class Win32Forms;

class Win32Window : public platform::Window {
 public:
  Win32Window(Win32Forms& owner, const platform::WindowOptions& options);
  ~Win32Window() override;

  void SetName(const std::string& name) override { name_ = name; }
  std::string Name() const override { return name_; }
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetFrameStyle(platform::FrameStyle style) override;
  platform::FrameStyle GetFrameStyle() const override { return frame_; }
  void SetBorderIcons(platform::BorderIcons icons) override;
  platform::BorderIcons GetBorderIcons() const override { return icons_; }
  void SetStayOnTop(bool on) override;
  bool StaysOnTop() const override { return stayOnTop_; }
  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override;
  void SetClientSize(platform::Size size) override;
  platform::Size ClientSize() const override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override { return IsWindowVisible(hwnd_) != FALSE; }
  void Repaint() override { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }
  // The system gathers the marked areas and asks for one paint of them when
  // the queue is empty (WM_PAINT); the paint draws only there.
  void Invalidate(platform::Rect area) override;
  void SetLook(const platform::WindowLook& look) override;
  platform::WindowLook Look() const override { return look_; }
  void RequestClose() override { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }
  std::unique_ptr<platform::Label> AddLabel(platform::Rect bounds, const std::string& text) override;
  std::unique_ptr<platform::ProgressBar> AddProgressBar(platform::Rect bounds) override;
  std::unique_ptr<platform::EditBox> AddEditBox(platform::ControlListener* listener) override;
  std::unique_ptr<platform::Button> AddButton(platform::ControlListener* listener) override;
  platform::Point ClientOrigin() const override;
  RgbaImage ScreenBehind() const override { return behind_; }
  void SetCursor(int cursorNumber) override { cursor_ = cursorNumber; }
  int CursorNumber() const override { return cursor_; }
  void Maximize() override { SendMessageW(hwnd_, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }
  bool IsMaximized() const override { return IsZoomed(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  bool IsEnabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void ShowModal() override;
  void ClearFocus() override;
  void BringToForeground() override;

  HWND Handle() const { return hwnd_; }
  ControlList& ChildControls() { return controls_; }
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // A key press for the window or one of its controls, before the loop
  // translates it: the window hears it, then Tab, Shift+Tab and Enter work
  // as in a dialog. True when the key was used that way.
  bool TakeKey(const MSG& msg);
  // Gives the focus back to the control that had it last; false when there
  // is none that can take it.
  bool FocusBack();

 private:
  friend class Win32Forms;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyStyle();
  DWORD LookExStyle() const;
  void Paint();
  void Notify(void (platform::WindowListener::*event)());
  void NotifyMouse(UINT message, LPARAM lParam);

  Win32Forms& owner_;
  platform::WindowListener* listener_;
  HWND hwnd_ = nullptr;
  std::string name_;
  platform::FrameStyle frame_ = platform::FrameStyle::Sizeable;
  platform::BorderIcons icons_;
  bool stayOnTop_ = false;
  platform::WindowLook look_;
  RgbaImage behind_;
  int cursor_ = 0;
  ControlList controls_;
  // The control that had the focus last; it gets it back when the window is
  // activated again, as in a dialog.
  ChildControl* lastFocus_ = nullptr;
  platform::WindowOptions::Kind kind_;
};

class Win32Forms : public platform::Forms {
 public:
  explicit Win32Forms(Win32Loop& loop);

  std::unique_ptr<platform::Window> OpenWindow(const platform::WindowOptions& options) override;
  std::vector<platform::Window*> TopLevelWindows() override { return {windows_.begin(), windows_.end()}; }
  platform::Window* ActiveWindow() override;
  bool IsLive(const platform::Window* window) override;
  void MinimizeApplication() override;
  void RestoreApplication() override;
  void SetApplicationHandlers(platform::ApplicationHandlers handlers) override { appHandlers_ = std::move(handlers); }
  platform::Window* WindowAt(platform::Point screen) override;
  void ShowHintWindow(const platform::HintWindow& hint) override;
  void HideHintWindow() override;
  // Where the custom cursors (13 and up) come from.
  void SetCustomCursors(std::function<HCURSOR(int)> lookup) { customCursor_ = std::move(lookup); }

 private:
  friend class Win32Window;
  HCURSOR CursorFor(int cursorNumber) const;
  // The first page window stands for the application, as the main form.
  bool IsMainPage(const Win32Window* window) const;
  // A window's size changed: kind is the WM_SIZE request type.
  void WindowSized(WPARAM kind);
  bool TakeKey(const MSG& msg);
  std::function<HCURSOR(int)> customCursor_;
  Win32Loop& loop_;
  std::vector<Win32Window*> windows_;
  platform::ApplicationHandlers appHandlers_;
  bool minimized_ = false;
  std::unique_ptr<Win32HintWindow> hint_;
};

}  // namespace vx::win32
