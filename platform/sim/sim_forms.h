#pragma once
// Simulated top-level windows: real state (bounds, frame, visibility, the
// active window, z-order) and a log line for every change a person would see.

#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "platform/forms.h"
#include "platform/sim/sim_log.h"
#include "util/rgba_image.h"

namespace vx::sim {

class SimLoop;
class SimForms;
class SimSurface;
class SimControl;
template <typename>
class SimHostedControl;

class SimLabel : public platform::Label {
 public:
  explicit SimLabel(std::string text) : text_(std::move(text)) {}
  void SetText(const std::string& text) override { text_ = text; }
  std::string Text() const override { return text_; }

 private:
  std::string text_;
};

class SimProgressBar : public platform::ProgressBar {
 public:
  void SetRange(int maximum) override { maximum_ = maximum; }
  void SetPosition(int position) override { position_ = position; }
  int Maximum() const override { return maximum_; }
  int Position() const override { return position_; }

 private:
  int maximum_ = 100;
  int position_ = 0;
};

class SimWindow : public platform::Window {
 public:
  SimWindow(SimForms& owner, const platform::WindowOptions& options);
  ~SimWindow() override;

  void SetName(const std::string& name) override { name_ = name; }
  std::string Name() const override { return name_; }
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override { return caption_; }
  void SetFrameStyle(platform::FrameStyle style) override;
  platform::FrameStyle GetFrameStyle() const override { return frame_; }
  void SetBorderIcons(platform::BorderIcons icons) override;
  platform::BorderIcons GetBorderIcons() const override { return icons_; }
  void SetStayOnTop(bool on) override;
  bool StaysOnTop() const override { return stayOnTop_; }
  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return bounds_; }
  void SetClientSize(platform::Size size) override;
  platform::Size ClientSize() const override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override { return visible_; }
  // Paints at once: the client area is filled with the window colour and
  // the listener draws on it.
  void Repaint() override;
  // Marked areas add up to one rectangle around them all (cut to the client
  // area); the desktop paints it when the loop's turn ends
  // (SimForms::PaintPending), or a snapshot does before it reads.
  void Invalidate(platform::Rect area) override;
  // Paints the marked area, if any: it is filled with the window colour,
  // the canvas keeps to it, and the listener and the controls draw on it.
  void PaintPending();
  // The area marked and not yet painted; nothing when there is none.
  const std::optional<platform::Rect>& PendingArea() const { return pending_; }
  // What the last paint covered: the whole client area, or a marked area.
  platform::Rect LastPaintArea() const { return lastPaint_; }
  // Scroll bars change the client area (a resize); alpha blending and the
  // colour key show in SimForms::ScreenImage.
  void SetLook(const platform::WindowLook& look) override;
  platform::WindowLook Look() const override { return look_; }
  void RequestClose() override;
  std::unique_ptr<platform::Label> AddLabel(platform::Rect bounds, const std::string& text) override;
  std::unique_ptr<platform::ProgressBar> AddProgressBar(platform::Rect bounds) override;
  std::unique_ptr<platform::EditBox> AddEditBox(platform::ControlListener* listener) override;
  std::unique_ptr<platform::Button> AddButton(platform::ControlListener* listener) override;
  platform::Point ClientOrigin() const override;
  void Maximize() override;
  bool IsMaximized() const override { return maximized_; }
  void SetEnabled(bool enabled) override;
  bool IsEnabled() const override { return enabled_; }
  // Runs the desktop's modal loop (SimForms::SetModalLoop) until the window
  // is hidden; without one the window is closed at once.
  void ShowModal() override;
  void ClearFocus() override { FocusControl(nullptr); }
  void BringToForeground() override;

  // Hands an input event to the listener the way the message loop does.
  void Deliver(const std::function<void(platform::WindowListener&)>& event);
  RgbaImage ScreenBehind() const override { return behind_; }
  void SetCursor(int cursorNumber) override { cursor_ = cursorNumber; }
  int CursorNumber() const override { return cursor_; }

  // Child controls, bottom first; the one with the focus, or null.
  const std::vector<SimControl*>& Controls() const { return controls_; }
  SimControl* FocusedControl() const { return focused_; }
  // byPress: a press of the mouse gave it (no select-all on entry).
  void FocusControl(SimControl* control, bool byPress = false);

  platform::WindowOptions::Kind Kind() const { return kind_; }
  // Paints of every kind: whole, or of a marked area.
  int Repaints() const { return repaints_; }
  // The client area as last painted, after painting what is pending (all
  // of it when it was never painted).
  RgbaImage Snapshot();
  Rgba PixelAt(int x, int y);
  // The client area as PNG file bytes, for a test or a person to look at.
  std::string Screenshot();
  // Frame thickness around the client area for the current frame style and
  // scroll bars.
  struct Insets {
    int left, top, right, bottom;
  };
  Insets FrameInsets() const;

 private:
  friend class SimControl;
  friend class SimEditBox;
  friend class SimButton;
  friend class SimVideoWindow;
  template <typename>
  friend class SimHostedControl;
  void AddControl(SimControl* control);
  void RemoveControl(SimControl* control);
  void RaiseControl(SimControl* control);
  void LowerControl(SimControl* control);
  void ControlChanged() { dirty_ = true; }
  void DispatchToListener(const std::function<void()>& call);
  // A change a person sees, logged as "what NAME detail" while the window
  // is shown.
  void LogVisible(const std::string& what, const std::string& detail);

  SimForms& owner_;
  platform::WindowListener* listener_;
  platform::WindowOptions::Kind kind_;
  std::string name_;
  std::string caption_;
  platform::FrameStyle frame_ = platform::FrameStyle::Sizeable;
  platform::BorderIcons icons_;
  bool stayOnTop_ = false;
  platform::Rect bounds_{0, 0, 100, 100};
  bool visible_ = false;
  int repaints_ = 0;
  platform::WindowLook look_;
  std::unique_ptr<SimSurface> surface_;
  std::vector<SimControl*> controls_;
  SimControl* focused_ = nullptr;
  int controlsMade_ = 0;
  bool maximized_ = false;
  bool enabled_ = true;
  bool dirty_ = false;
  std::optional<platform::Rect> pending_;
  platform::Rect lastPaint_;
  RgbaImage behind_;
  int cursor_ = 0;
};

// The width of a scroll bar in the simulated theme.
inline constexpr int kScrollBarSize = 16;

// The classic desktop background.
inline constexpr platform::Color kDesktopColor = platform::MakeColor(0, 128, 128);

class SimForms : public platform::Forms {
 public:
  SimForms(SimLog& log, SimLoop& loop);
  ~SimForms() override;

  std::unique_ptr<platform::Window> OpenWindow(const platform::WindowOptions& options) override;
  std::vector<platform::Window*> TopLevelWindows() override;
  platform::Window* ActiveWindow() override { return active_; }
  bool IsLive(const platform::Window* window) override;
  // Whether a window still holds the control; compares pointers only, so it
  // may be asked about one already destroyed.
  bool HoldsControl(const SimControl* control) const;
  void MinimizeApplication() override;
  void RestoreApplication() override;
  bool ApplicationMinimized() const { return minimized_; }
  void SetApplicationHandlers(platform::ApplicationHandlers handlers) override { appHandlers_ = std::move(handlers); }
  platform::Window* WindowAt(platform::Point screen) override;
  // Logged as "hint [text] at x,y" when it shows, moves or changes text.
  void ShowHintWindow(const platform::HintWindow& hint) override;
  void HideHintWindow() override;
  // The hint window as shown now, or nothing.
  const std::optional<platform::HintWindow>& ShownHint() const { return hint_; }
  // What runs while a window is shown modally, as the nested message loop
  // would: the tour player or a test acts in it and closes the window.
  void SetModalLoop(std::function<void(SimWindow&)> loop) { modalLoop_ = std::move(loop); }

  // What the message loop does when a turn ends: every shown window paints
  // its marked area.
  void PaintPending();

  // Test helpers.
  SimWindow* FindByName(const std::string& name);
  // What a person sees: visible windows, topmost first.
  std::vector<SimWindow*> VisibleWindows();
  void Activate(SimWindow* window);
  // The screen as a person sees it now, cut to area: the desktop colour,
  // then every visible window from the bottom up (frames and scroll bars in
  // the button-face colour, client areas as last painted), blended by its
  // alpha value while alpha blending is on, and with the pixels of its key
  // colour see-through while colour keying is on.
  RgbaImage ScreenImage(platform::Rect area);

 private:
  friend class SimWindow;
  void Register(SimWindow* window) { windows_.push_back(window); }
  void Unregister(SimWindow* window);
  void BringToTop(SimWindow* window);
  void ActivateTopmostVisible();

  SimLog& log_;
  SimLoop& loop_;
  std::vector<SimWindow*> windows_;  // creation order
  std::list<SimWindow*> zOrder_;      // topmost first
  SimWindow* active_ = nullptr;
  bool minimized_ = false;
  platform::ApplicationHandlers appHandlers_;
  std::optional<platform::HintWindow> hint_;
  std::function<void(SimWindow&)> modalLoop_;
};

}  // namespace vx::sim
