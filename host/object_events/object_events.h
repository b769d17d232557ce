#pragma once
// The event handlers of the authored objects, named after the prototype and
// the event as the page class publishes them. There is one set, the main
// form's (TVXForm::Events()): the factory wires every new object of every
// page to it, the scripts run on the main form, and every page hands it the
// windowless objects' share of its mouse. What a handler looks at (active
// page, focus, page-relative cursor) is the page that holds the object.
//
// A script may delete its object, move it to another page or replace its
// scripts: a handler runs a copy of the script and, after it, finds its
// object again by page and component name before touching it.
//
// One file per kind: text_events.cpp, edit_events.cpp, button_events.cpp,
// image_events.cpp, shape_events.cpp, timer_events.cpp; the hover poller in
// hover_poller.cpp, the page's mouse and the idle pass in mouse_routing.cpp,
// the hooks in wiring.cpp.

#include <string>

#include "host/hints.h"
#include "platform/hosted.h"
#include "platform/forms.h"
#include "util/lines.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;
class TVXControl;
class TVXText;
class TVXEdit;
class TVXButton;
class TVXImage;
class TVXTimer;
class TVXSound;
class TFilterGraph;
class TDSTrackBar;
class TNamedTimer;
class VxShapeObject;
class TVXFlash;
class TVXBrowser;
enum class ShapeMouseButton;

class ObjectEvents {
 public:
  explicit ObjectEvents(Application& app);
  ~ObjectEvents();
  ObjectEvents(const ObjectEvents&) = delete;
  ObjectEvents& operator=(const ObjectEvents&) = delete;

  // Attaches the kind's handlers to the hooks of a new object.
  void Wire(TVXObject& object);

  // Texts: enter and leave are the label's own; the release looks for the
  // text under the cursor.
  void VEXORELLE_NEW_TEXTMouseEnter(TVXText& sender);
  void VEXORELLE_NEW_TEXTMouseLeave(TVXText& sender);
  void VEXORELLE_NEW_TEXTMouseDown(TVXText& sender, platform::MouseButton button, platform::Point at);
  void VEXORELLE_NEW_TEXTMouseUp(TVXText& sender, platform::MouseButton button, platform::Point at);

  // Edit boxes: hover from the poller, focus from the control.
  void VEXORELLE_NEW_EDITMouseEnter(TVXEdit& sender);
  void VEXORELLE_NEW_EDITMouseLeave(TVXEdit& sender);
  void VEXORELLE_NEW_EDITMouseDown(TVXEdit& sender, platform::MouseButton button, platform::Point at);
  void VEXORELLE_NEW_EDITClick(TVXEdit& sender);
  void VEXORELLE_NEW_EDITChange(TVXEdit& sender);
  void VEXORELLE_NEW_EDITEnter(TVXEdit& sender);
  void VEXORELLE_NEW_EDITExit(TVXEdit& sender);

  void VEXORELLE_NEW_BUTTONMouseEnter(TVXButton& sender);
  void VEXORELLE_NEW_BUTTONMouseLeave(TVXButton& sender);
  void VEXORELLE_NEW_BUTTONMouseDown(TVXButton& sender, platform::MouseButton button, platform::Point at);
  void VEXORELLE_NEW_BUTTONClick(TVXButton& sender);
  void VEXORELLE_NEW_BUTTONMouseUp(TVXButton& sender, platform::MouseButton button, platform::Point at);

  void VEXORELLE_NEW_IMAGEMouseEnter(TVXImage& sender);
  void VEXORELLE_NEW_IMAGEMouseLeave(TVXImage& sender);
  void VEXORELLE_NEW_IMAGEMouseDown(TVXImage& sender, platform::MouseButton button, platform::Point at);
  void VEXORELLE_NEW_IMAGEMouseUp(TVXImage& sender, platform::MouseButton button, platform::Point at);

  // Shapes: the component passes on only what falls in its hot area.
  void VEXORELLE_NEW_SHAPEMouseEnter(VxShapeObject& sender);
  void VEXORELLE_NEW_SHAPEMouseLeave(VxShapeObject& sender);
  void VEXORELLE_NEW_SHAPEMouseDown(VxShapeObject& sender, ShapeMouseButton button, int x, int y);
  void VEXORELLE_NEW_SHAPEMouseUp(VxShapeObject& sender, ShapeMouseButton button, int x, int y);

  void VEXORELLE_NEW_TIMERTimer(TVXTimer& sender);

  // Sounds and videos (media_events.cpp): the end and the start of the
  // playing, the position bars, and the media timers of the pages.
  void VEXORELLE_NEW_SOUNDGraphComplete(TVXSound& sender);
  void VEXORELLE_NEW_SOUNDDSEvent(TVXSound& sender, int code);
  void VEXORELLE_NEW_GRAPHGraphComplete(TFilterGraph& sender);
  void VEXORELLE_NEW_GRAPHDSEvent(TFilterGraph& sender, int code);
  void VEXORELLE_NEW_TRACKTimer(TDSTrackBar& sender, long long currentMs, long long stopMs);
  void AutoAudioPlayTimer(TVXForm& page, TNamedTimer& sender);
  void LoopDelayTimer(TVXForm& page, TNamedTimer& sender);
  void LoopDelay2Timer(TVXForm& page, TNamedTimer& sender);
  void VideoTimerTimer(TVXForm& page);

  // Flash movies, browsers and plug-ins (hosted_events.cpp).
  void ShockwaveFlashEx1FlashCall(TVXFlash& sender, const std::string& request);
  void ShockwaveFlashEx1FSCommand(TVXFlash& sender, const std::string& command, const std::string& args);
  void VEXORELLE_NEW_BROWSERBeforeNavigate2(TVXBrowser& sender, const platform::NavigationRequest& request,
                                            bool& cancel);
  void VEXORELLE_NEW_BROWSERNavigateComplete2(TVXBrowser& sender);
  void VEXORELLE_NEW_BROWSERNewWindow2(TVXBrowser& sender, bool& cancel);
  void VEXORELLE_NEW_BROWSERProgressChange(TVXBrowser& sender, int progress, int progressMax);
  void VEXORELLE_NEW_BROWSERStatusTextChange(TVXBrowser& sender, const std::string& text);
  void VEXORELLE_NEW_BROWSERTitleChange(TVXBrowser& sender, const std::string& title);
  void onnav(TVXForm& main, TNamedTimer& sender);
  void PluginTimerTimer(TVXForm& page, TNamedTimer& sender);

  // A tick of the page's hover poller.
  void EnterLeaveTimer(TVXForm& page);
  // Tag 0, then the leave handler of an edit, button, picture or shape.
  void ExecuteOnLeave(TVXObject& object);

  // The page's mouse in its client coordinates. True: a windowless object
  // took it; false: it is the page's own.
  bool PageMouseDown(TVXForm& page, platform::MouseButton button, platform::Point at);
  bool PageMouseUp(TVXForm& page, platform::MouseButton button, platform::Point at);
  bool PageMouseMove(TVXForm& page, platform::Point at);
  // The toolkit's idle pass, after every mouse event and poller tick: when
  // the control under the cursor changed, texts get their own leave and
  // enter (while a press holds the mouse, only the holder does), and the
  // application's hint follows.
  void MouseIdle();

  Hints& AppHints() { return hints_; }

 private:
  // An object as routing finds it again: page and component name; a page
  // without a name is the page itself.
  struct ObjectRef {
    TVXForm* page = nullptr;
    std::string name;
    bool operator==(const ObjectRef&) const = default;
  };
  ObjectRef RefOf(const TVXObject& object) const;
  TVXObject* Find(const ObjectRef& ref) const;
  // The page that holds the object; null once it is off every page.
  TVXForm* PageOf(const TVXObject& object) const;
  bool PageIsActive(const TVXObject& object) const;
  // The page's active control is cleared: the keyboard focus leaves any edit.
  void ClearActiveControl(const TVXObject& object);
  // The cursor in client coordinates of the object's page.
  platform::Point PageCursor(const TVXObject& object) const;
  // What a release over the sender's page finds under the cursor: the
  // topmost enabled windowless control; null when there is none.
  TVXObject* ReleaseTarget(const TVXObject& sender) const;
  void RunScript(const char* handler, const TVXObject& sender, const LineList& script);

  Application& app_;
  Hints hints_;
  // A left press on a windowless object, or on the page itself, holds the
  // mouse until the left release.
  ObjectRef capture_;
  // The control under the cursor at the last idle pass (none: no page).
  ObjectRef mouseControl_;
};

}  // namespace vx
