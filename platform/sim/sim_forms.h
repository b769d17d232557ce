#pragma once
// Simulated top-level windows: real state (bounds, frame, visibility, the
// active window, z-order) and a log line for every change a person would see.

#include <list>
#include <memory>
#include <vector>

#include "platform/forms.h"
#include "platform/sim/sim_log.h"
#include "util/rgba_image.h"

namespace vx::sim {

class SimLoop;
class SimForms;
class SimSurface;

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
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void SetFrameStyle(platform::FrameStyle style) override;
  platform::FrameStyle GetFrameStyle() const override { return frame_; }
  void SetBorderIcons(platform::BorderIcons icons) override { icons_ = icons; }
  platform::BorderIcons GetBorderIcons() const override { return icons_; }
  void SetStayOnTop(bool on) override { stayOnTop_ = on; }
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
  void SetLook(const platform::WindowLook& look) override { look_ = look; }
  platform::WindowLook Look() const override { return look_; }
  void RequestClose() override;
  std::unique_ptr<platform::Label> AddLabel(platform::Rect bounds, const std::string& text) override;
  std::unique_ptr<platform::ProgressBar> AddProgressBar(platform::Rect bounds) override;

  platform::WindowOptions::Kind Kind() const { return kind_; }
  int Repaints() const { return repaints_; }
  // The client area as last painted (painted now when it never was).
  RgbaImage Snapshot();
  Rgba PixelAt(int x, int y);
  // The client area as PNG file bytes, for a test or a person to look at.
  std::string Screenshot();
  // Frame thickness around the client area for the current frame style.
  struct Insets {
    int left, top, right, bottom;
  };
  Insets FrameInsets() const;

 private:
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
};

class SimForms : public platform::Forms {
 public:
  SimForms(SimLog& log, SimLoop& loop) : log_(log), loop_(loop) {}

  std::unique_ptr<platform::Window> OpenWindow(const platform::WindowOptions& options) override;
  std::vector<platform::Window*> TopLevelWindows() override;
  platform::Window* ActiveWindow() override { return active_; }
  bool IsLive(const platform::Window* window) override;

  // Test helpers.
  SimWindow* FindByName(const std::string& name);
  // What a person sees: visible windows, topmost first.
  std::vector<SimWindow*> VisibleWindows();
  void Activate(SimWindow* window);

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
};

}  // namespace vx::sim
