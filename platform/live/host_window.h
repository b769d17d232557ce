#pragma once
// The one real window of the native player: the presentation's virtual
// screen scaled into it with its aspect kept (letterboxed), and the real
// mouse and keyboard turned into what a person does on the virtual screen.

#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "platform/forms.h"
#include "platform/live/letterbox.h"
#include "util/rgba_image.h"

namespace vx::live {

// Where the host window's input goes, in virtual-screen terms.
class VirtualUser {
 public:
  virtual ~VirtualUser() = default;
  virtual void MoveTo(platform::Point screen) = 0;
  virtual void Press(platform::MouseButton button) = 0;
  virtual void Release(platform::MouseButton button) = 0;
  virtual void Wheel(bool up) = 0;
  // True when the presentation used the key (a shortcut of its own).
  virtual bool KeyDown(int virtualKey) = 0;
  virtual void KeyUp(int virtualKey) = 0;
  // Text as the input method gives it (UTF-8); the session stores it in the
  // presentation's code page.
  virtual void Type(const std::string& utf8) = 0;
  virtual void CloseRequested() = 0;
};

class HostWindow {
 public:
  // screen: what the virtual screen shows now.
  HostWindow(const std::string& title, platform::Size initialSize, VirtualUser& user,
             std::function<RgbaImage()> screen);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  void Show();
  // Draws the virtual screen again at the next frame.
  void Invalidate();
  void ToggleFullScreen();
  bool FullScreen() const { return fullScreen_; }
  GtkWindow* Native() const { return GTK_WINDOW(window_); }
  // Where native views (browser panes) sit over the virtual screen.
  GtkOverlay* Overlay() const { return GTK_OVERLAY(overlay_); }
  // How the virtual screen is scaled into the window now.
  Letterbox Box() const { return CurrentBox(); }

 private:
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean OnButton(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnMotion(GtkWidget* widget, GdkEventMotion* event, gpointer self);
  static gboolean OnScroll(GtkWidget* widget, GdkEventScroll* event, gpointer self);
  static gboolean OnKey(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);
  static gboolean OnWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer self);
  static void OnCommit(GtkIMContext* context, const gchar* text, gpointer self);

  Letterbox CurrentBox() const;
  void Paint(cairo_t* cr);
  void KeyPressed(GdkEventKey* event);
  void KeyReleased(GdkEventKey* event);

  VirtualUser& user_;
  std::function<RgbaImage()> screen_;
  GtkWidget* window_ = nullptr;
  GtkWidget* overlay_ = nullptr;
  GtkWidget* area_ = nullptr;
  GtkIMContext* im_ = nullptr;
  platform::Size lastScreen_;
  bool fullScreen_ = false;
};

}  // namespace vx::live
