#pragma once
// A page window. The first instance is the main form (page 1), which also
// carries the project-wide scripts; every other page is another instance.

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "host/form_dialogs.h"
#include "host/page_background.h"
#include "host/page_settings.h"
#include "host/page_transition.h"
#include "util/lines.h"

namespace vx {

class Application;
class ObjectEvents;
class PageObjects;

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

  // opendlg, savedlg, opendirdlg, coldlg, fontdlg.
  FormDialogs dialogs;

  // The page-show timer: its first tick runs the show script; an interval of
  // 2 is the signal of a script thread to end the process.
  platform::Timer& showevent() { return *showevent_; }
  // Empties the clipboard while Print Screen is held (page flag 10).
  platform::Timer& NoSnap() { return *noSnap_; }

  // The page's objects in z-order; the windowless ones are drawn by the page.
  PageObjects& Components() { return *components_; }

  // The object "OBJ" + objectName becomes the page's active control;
  // vx::Error when the page has none of that name or it cannot take the
  // keyboard (windowless, hidden or disabled, or the page is hidden).
  void FocusObject(const std::string& objectName);

  // The objects' event handlers: the main form's, whichever page asks.
  ObjectEvents& Events();
  // The hover poller, 1 ms, running from the page's creation.
  platform::Timer& EnterLeave() { return *enterLeave_; }

  // platform::WindowListener
  void OnShown() override;
  void OnHidden() override;
  void OnResized() override;
  void OnCloseRequested() override;
  void OnPaint(platform::Canvas& canvas) override;
  // host/page_events.cpp: the wheel and the drag of a frameless page.
  void OnMouseDown(platform::MouseButton button, platform::Point at) override;
  void OnMouseUp(platform::MouseButton button, platform::Point at) override;
  void OnMouseMove(platform::Point at) override;
  void OnMouseWheel(bool up) override;
  // host/shortcuts.cpp: every page hands its key presses to the main form.
  bool OnKeyDown(int virtualKey) override;
  // Runs the author functions whose shortcut is this key with the modifiers
  // held now; true when one ran. target is the page that got the key.
  bool FormShortCut(TVXForm& target, int virtualKey);

  // The show transition; runs from each show until the page's duration is up.
  PageTransition& Transition() { return *transition_; }
  const BackgroundCache& Background() const { return background_; }

 private:
  void showeventTimer();
  void NoSnapTimer();
  void EnterLeaveTimer();
  // The page's own mouse: what no windowless object took.
  void FormMouseDown(platform::MouseButton button, platform::Point at);
  void FormMouseUp();
  void FormMouseMove(platform::Point at);
  void FormMouseWheelUp();
  void FormMouseWheelDown();
  // Runs one of the page's scripts on this page.
  void RunPageScript(const char* handler, const LineList& script);
  // The page as it looks without a transition.
  void PaintContent(platform::Canvas& canvas);

  Application& app_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<platform::Timer> showevent_;
  std::unique_ptr<platform::Timer> noSnap_;
  std::unique_ptr<platform::Timer> enterLeave_;
  // After the window: the objects' controls go before it.
  std::unique_ptr<PageObjects> components_;
  BackgroundCache background_;
  std::unique_ptr<PageTransition> transition_;
  // Made on first use, on the main form only.
  std::unique_ptr<ObjectEvents> events_;
};

}  // namespace vx
