#pragma once
// A page window. The first instance is the main form (page 1), which also
// carries the project-wide scripts; every other page is another instance.

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "host/page_settings.h"
#include "util/lines.h"

namespace vx {

class Application;

class TVXForm : public platform::WindowListener {
 public:
  // The first steps of every page's creation: the window is parked outside
  // the screen, frameless and 1 x 1, until the loader places it.
  explicit TVXForm(Application& app);
  ~TVXForm() override;
  TVXForm(const TVXForm&) = delete;
  TVXForm& operator=(const TVXForm&) = delete;

  platform::Window& Window() { return *window_; }
  const platform::Window& Window() const { return *window_; }
  std::string Name() const { return window_->Name(); }
  void SetName(const std::string& name) { window_->SetName(name); }
  bool IsMainForm() const;

  // The page's own scripts. The project scripts are the application's
  // (Application::project), which the main form stands for.
  LineList PageShowScript;
  LineList PageHideScript;
  LineList PageResizeScript;
  LineList PageWheelScript;

  // Set by the page-navigation commands; closing the last visible page ends
  // the program only once it is set.
  bool PageNavigated = false;

  // Background, frame shape and show transition from the page record.
  PageSettings page;

  // The page-show timer: its first tick runs the show script; an interval of
  // 2 is the signal of a script thread to end the process.
  platform::Timer& showevent() { return *showevent_; }

  // platform::WindowListener
  void OnShown() override;
  void OnHidden() override;
  void OnResized() override;
  void OnCloseRequested() override;
  void OnPaint(platform::Canvas& canvas) override;

 private:
  void showeventTimer();

  Application& app_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<platform::Timer> showevent_;
};

}  // namespace vx
