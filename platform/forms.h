#pragma once
// Windows and forms: the top-level windows of the application and the few
// child controls the host itself creates (the splash's label and progress bar).
// Text is 8-bit in the system code page; backends convert at their edge.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/types.h"
#include "platform/widget_settings.h"
#include "util/rgba_image.h"

namespace vx::platform {

enum class FrameStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeableToolWindow };

struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool help = false;
  bool operator==(const BorderIcons&) const = default;
};

enum class MouseButton { Left, Right, Middle };

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
  // window colour where it has to be drawn (Canvas::PaintArea).
  virtual void OnPaint(Canvas& /*canvas*/) {}
  // The mouse over the client area, in client coordinates; the window that
  // got a press also gets the moves and the release that follow it.
  virtual void OnMouseDown(MouseButton /*button*/, Point /*at*/) {}
  virtual void OnMouseUp(MouseButton /*button*/, Point /*at*/) {}
  virtual void OnMouseMove(Point /*at*/) {}
  // One notch of the wheel: up is away from the user.
  virtual void OnMouseWheel(bool /*up*/) {}
  // A key went down while the window or one of its child controls had the
  // focus (virtual-key code). Heard before the key does anything else: Tab,
  // Shift+Tab and Enter then move the focus or click (util/dialog_keys.h).
  // True when the window used the key (a shortcut): it then goes no further.
  virtual bool OnKeyDown(int /*virtualKey*/) { return false; }
};

// The button-face colour of the classic theme, a new form's colour.
inline constexpr Color kButtonFaceColor = MakeColor(212, 208, 200);

// How a page window looks beyond its frame.
struct WindowLook {
  bool rightToLeft = false;  // reading order and the side of the scroll bar
  // Shown scroll bars take their width from the client area.
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

// What a child control tells its owner; called on the main thread, from the
// message loop.
class ControlListener {
 public:
  virtual ~ControlListener() = default;
  virtual void OnChange() {}  // the text changed, by the user or the program
  virtual void OnClick() {}
  virtual void OnEnter() {}   // the control got the focus
  virtual void OnExit() {}    // and lost it
  // Client coordinates of the control.
  virtual void OnMouseDown(MouseButton /*button*/, Point /*at*/) {}
  virtual void OnMouseUp(MouseButton /*button*/, Point /*at*/) {}
};

class Window;

struct ControlLook {
  FontSpec font;
  Color textColor = 0;
  Color color = 0xFFFFFF;    // the background; buttons keep the button face
  bool rightToLeft = false;  // reading order, alignment and the caret side
  bool operator==(const ControlLook&) const = default;
};

// A native child control of a window. Created hidden at (0, 0), 0 x 0.
class Control {
 public:
  virtual ~Control() = default;
  // Client coordinates of the window that holds it.
  virtual void SetBounds(Rect bounds) = 0;
  virtual Rect Bounds() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool IsVisible() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetLook(const ControlLook& look) = 0;
  virtual ControlLook Look() const = 0;
  virtual void SetTabStop(bool on) = 0;
  // Tab visits the window's tab stops by this number, smallest first; equal
  // numbers in the order the controls were made.
  virtual void SetTabOrder(int order) = 0;
  virtual int TabOrder() const = 0;
  // Takes the place in the window's tab sequence (clamped to its first and
  // last place); the controls from there on move one place back, and every
  // control of the window is numbered by its place from then on.
  virtual void MoveInTabOrder(int place) = 0;
  // Above every other child control of the window.
  virtual void BringToFront() = 0;
  // Below every other child control of the window.
  virtual void SendToBack() = 0;
  // The cursor over the control, numbered as Window::SetCursor numbers it.
  virtual void SetCursor(int cursorNumber) = 0;
  // Onto another window of the application, at the same client position,
  // above its controls; nothing when it is there already.
  virtual void SetParentWindow(Window& window) = 0;
  virtual void Focus() = 0;
  virtual bool HasFocus() const = 0;
};

class EditBox : public Control {
 public:
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  // 0-based character positions, as the system's edit control counts.
  virtual void SetSelection(int start, int length) = 0;
  virtual int SelectionStart() const = 0;
  virtual int SelectionLength() const = 0;
  // 0 shows the text itself.
  virtual void SetPasswordChar(char c) = 0;
  virtual char PasswordChar() const = 0;
  // 0: no limit. Only typing is limited, not SetText.
  virtual void SetMaxLength(int length) = 0;
  virtual int MaxLength() const = 0;
  virtual void SetReadOnly(bool on) = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetCharCase(CharCase charCase) = 0;
  virtual void SetBorder(EditBorderStyle border, bool ctl3D) = 0;
  // The whole text is selected when the focus arrives other than by a
  // press of the left button.
  virtual void SetAutoSelect(bool on) = 0;
  // A bevel drawn around the control, inside its bounds, as the toolkit's
  // bevel edges draw it: nothing while kind is None; otherwise one pixel for
  // each cut that is not None, the outer cut outside the inner one.
  virtual void SetBevel(BevelCut inner, BevelCut outer, BevelKind kind) = 0;
  // The height that shows one line of the box's font: the font's line as the
  // system measures it, two pixels above and below it, and the border and
  // bevel around that.
  virtual int OneLineHeight() const = 0;
};

class Button : public Control {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  // Enter on the window clicks the default button, unless another button
  // has the focus: then that one.
  virtual void SetDefault(bool on) = 0;
  // Whether the dotted focus rectangle shows while the button has the focus.
  virtual void SetFocusRectShown(bool on) = 0;
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
  // Paints the whole client area at once.
  virtual void Repaint() = 0;
  // Marks part of the client area (client coordinates) as changed. The
  // window paints what is marked in one go, only that part, when the
  // message loop gets to it: after the script or event that changed it.
  virtual void Invalidate(Rect area) = 0;
  virtual void SetLook(const WindowLook& look) = 0;
  virtual WindowLook Look() const = 0;
  // Asks the window to close, as the close box does.
  virtual void RequestClose() = 0;

  virtual std::unique_ptr<Label> AddLabel(Rect bounds, const std::string& text) = 0;
  virtual std::unique_ptr<ProgressBar> AddProgressBar(Rect bounds) = 0;
  // listener may be null; it must outlive the control.
  virtual std::unique_ptr<EditBox> AddEditBox(ControlListener* listener) = 0;
  virtual std::unique_ptr<Button> AddButton(ControlListener* listener) = 0;
  // The client area's top-left corner in screen coordinates.
  virtual Point ClientOrigin() const = 0;

  // What the screen showed under the client area just before the window was
  // last shown (the desktop and the windows beneath); empty before that.
  virtual RgbaImage ScreenBehind() const = 0;

  // The cursor over the client area: 0 default, 1 arrow, 2 help, 3 app
  // start, 4 hourglass, 5 drag, 6 multi-drag, 7 hand, 8 I-beam, 9 cross,
  // 10 horizontal split, 11 vertical split, 12 no; 13 and up the cursors
  // loaded with Fonts::LoadCursorFile (the default while none is loaded).
  virtual void SetCursor(int cursorNumber) = 0;
  virtual int CursorNumber() const = 0;

  // As the maximise box does it.
  virtual void Maximize() = 0;
  virtual bool IsMaximized() const = 0;
  // A disabled window takes no mouse or keyboard input.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsEnabled() const = 0;
  // Shows the window with every other window of the application disabled;
  // returns once it is hidden or closed.
  virtual void ShowModal() = 0;
  // No child control keeps the keyboard focus; the window itself has it.
  virtual void ClearFocus() = 0;
  // In front of every other window of the desktop, with the keyboard, as a
  // click on it would make it; nothing for a hidden window.
  virtual void BringToForeground() = 0;
};

struct WindowOptions {
  // Class of window, for the platform's bookkeeping and for outside tools.
  enum class Kind { Page, Splash } kind = Kind::Page;
  WindowListener* listener = nullptr;  // may be null; must outlive the window
};

// What happens to the application as a whole.
struct ApplicationHandlers {
  std::function<void()> minimized;
  std::function<void()> restored;
};

// A hint box: the text in Tahoma 8 on its colour, with a thin border.
struct HintWindow {
  std::string text;
  Point at;
  Color color = MakeColor(255, 255, 225);  // the info-tip yellow
  Color textColor = 0;
  bool operator==(const HintWindow&) const = default;
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
  // The whole application to the task bar, and back.
  virtual void MinimizeApplication() = 0;
  virtual void RestoreApplication() = 0;
  // Told whenever the application went to the task bar or came back, by the
  // user or by the calls above; on the main thread. Empty handlers: nothing.
  virtual void SetApplicationHandlers(ApplicationHandlers handlers) = 0;
  // The window of this application a person sees at the screen point (the
  // topmost visible one), or null: the desktop or another program is there.
  virtual Window* WindowAt(Point screen) = 0;
  // The one hint window: shown above every window with its top-left corner
  // at hint.at (screen coordinates), or moved and refilled when shown
  // already; it never takes the focus or the mouse.
  virtual void ShowHintWindow(const HintWindow& hint) = 0;
  virtual void HideHintWindow() = 0;
};

}  // namespace vx::platform
