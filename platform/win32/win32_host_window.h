#pragma once
// A plain child window of a page that hosts foreign content: an ActiveX
// control in place, or whatever a plug-in draws. It does what every
// platform::Control does; the content follows its size.

#include <functional>

#include "platform/forms.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class HostWindow {
 public:
  explicit HostWindow(HWND parent);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // The client size changed.
  std::function<void(int width, int height)> onResize;

  void SetBounds(platform::Rect bounds);
  platform::Rect Bounds() const { return bounds_; }
  void SetVisible(bool visible);
  bool IsVisible() const { return visible_; }
  void SetEnabled(bool enabled);
  bool IsEnabled() const { return enabled_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  int TabOrder() const { return tabOrder_; }
  void BringToFront();
  void SendToBack();
  void SetCursor(int cursorNumber) { cursor_ = cursorNumber; }
  void SetParentWindow(platform::Window& window);
  void Focus() { SetFocus(hwnd_); }
  bool HasFocus() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  platform::Rect bounds_{0, 0, 0, 0};
  bool visible_ = false;
  bool enabled_ = true;
  int tabOrder_ = 0;
  int cursor_ = 0;
};

// platform::Control for a kind that owns a HostWindow as host_.
template <typename Interface>
class HostedControl : public Interface {
 public:
  explicit HostedControl(HWND parent) : host_(parent) {}
  void SetBounds(platform::Rect bounds) override { host_.SetBounds(bounds); }
  platform::Rect Bounds() const override { return host_.Bounds(); }
  void SetVisible(bool visible) override { host_.SetVisible(visible); }
  bool IsVisible() const override { return host_.IsVisible(); }
  void SetEnabled(bool enabled) override { host_.SetEnabled(enabled); }
  bool IsEnabled() const override { return host_.IsEnabled(); }
  void SetLook(const platform::ControlLook& look) override { look_ = look; }
  platform::ControlLook Look() const override { return look_; }
  void SetTabStop(bool on) override { tabStop_ = on; }
  void SetTabOrder(int order) override { host_.SetTabOrder(order); }
  int TabOrder() const override { return host_.TabOrder(); }
  void MoveInTabOrder(int place) override { host_.SetTabOrder(place); }
  void BringToFront() override { host_.BringToFront(); }
  void SendToBack() override { host_.SendToBack(); }
  void SetCursor(int cursorNumber) override { host_.SetCursor(cursorNumber); }
  void SetParentWindow(platform::Window& window) override { host_.SetParentWindow(window); }
  void Focus() override { host_.Focus(); }
  bool HasFocus() const override { return host_.HasFocus(); }

 protected:
  HostWindow host_;
  platform::ControlLook look_;
  bool tabStop_ = true;
};

}  // namespace vx::win32
