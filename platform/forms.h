#pragma once
// Windows and forms: the top-level windows of the application and the few
// child controls the host itself creates (the splash's label and progress bar).
// Text is 8-bit in the system code page; backends convert at their edge.

#include <memory>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/types.h"

namespace vx::platform {

enum class FrameStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeableToolWindow };

struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool help = false;
  bool operator==(const BorderIcons&) const = default;
};

// What a window tells its owner. Called on the main thread, from the message
// loop; an exception thrown here goes to the loop's error handler.
class WindowListener {
 public:
  virtual ~WindowListener() = default;
  virtual void OnShown() {}
  virtual void OnHidden() {}
  virtual void OnResized() {}
  // The window was asked to close (the close box, Alt+F4, a close command).
  // The window is hidden after this returns, unless the process has ended.
  virtual void OnCloseRequested() {}
  // The client area needs drawing; the canvas is already filled with the
  // window colour.
  virtual void OnPaint(Canvas& /*canvas*/) {}
};

// The button-face colour of the classic theme, a new form's colour.
inline constexpr Color kButtonFaceColor = MakeColor(212, 208, 200);

// How a page window looks beyond its frame.
struct WindowLook {
  bool rightToLeft = false;  // reading order and the side of the scroll bar
  bool horizontalScrollBar = false;
  bool verticalScrollBar = false;
  bool alphaBlend = false;
  std::uint8_t alphaValue = 255;  // used while alphaBlend is on
  bool transparentColorKey = false;
  Color transparentColor = 0;  // pixels of this colour are see-through while keyed
  bool doubleBuffered = false;
  Color color = kButtonFaceColor;
  bool operator==(const WindowLook&) const = default;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
};

class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  virtual void SetRange(int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  virtual int Maximum() const = 0;
  virtual int Position() const = 0;
};

class Window {
 public:
  virtual ~Window() = default;

  // The component name, which scripts and the host use to find windows.
  virtual void SetName(const std::string& name) = 0;
  virtual std::string Name() const = 0;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;

  virtual void SetFrameStyle(FrameStyle style) = 0;
  virtual FrameStyle GetFrameStyle() const = 0;
  virtual void SetBorderIcons(BorderIcons icons) = 0;
  virtual BorderIcons GetBorderIcons() const = 0;
  virtual void SetStayOnTop(bool on) = 0;
  virtual bool StaysOnTop() const = 0;

  // Outer bounds in screen coordinates.
  virtual void SetBounds(Rect bounds) = 0;
  virtual Rect Bounds() const = 0;
  virtual void SetClientSize(Size size) = 0;
  virtual Size ClientSize() const = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  virtual void Repaint() = 0;
  virtual void SetLook(const WindowLook& look) = 0;
  virtual WindowLook Look() const = 0;
  // Asks the window to close, as the close box does.
  virtual void RequestClose() = 0;

  virtual std::unique_ptr<Label> AddLabel(Rect bounds, const std::string& text) = 0;
  virtual std::unique_ptr<ProgressBar> AddProgressBar(Rect bounds) = 0;
};

struct WindowOptions {
  // Class of window, for the platform's bookkeeping and for outside tools.
  enum class Kind { Page, Splash } kind = Kind::Page;
  WindowListener* listener = nullptr;  // may be null; must outlive the window
};

class Forms {
 public:
  virtual ~Forms() = default;
  virtual std::unique_ptr<Window> OpenWindow(const WindowOptions& options) = 0;
  // Open top-level windows of this application, oldest first.
  virtual std::vector<Window*> TopLevelWindows() = 0;
  // The window that has the focus now, or null.
  virtual Window* ActiveWindow() = 0;
  // True while the window exists (it has not been destroyed).
  virtual bool IsLive(const Window* window) = 0;
};

}  // namespace vx::platform
