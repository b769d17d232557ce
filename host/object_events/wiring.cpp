// The hooks of a new object, attached to the main form's handlers as the
// prototypes of the form template are: every clone gets the same wiring.

#include "host/object_events/object_events.h"

#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_hosted.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"

namespace vx {

namespace {

void WireText(ObjectEvents& e, TVXText& t) {
  t.OnMouseEnter = [&e, &t] { e.VEXORELLE_NEW_TEXTMouseEnter(t); };
  t.OnMouseLeave = [&e, &t] { e.VEXORELLE_NEW_TEXTMouseLeave(t); };
  t.OnMouseDown = [&e, &t](platform::MouseButton b, platform::Point at) { e.VEXORELLE_NEW_TEXTMouseDown(t, b, at); };
  t.OnMouseUp = [&e, &t](platform::MouseButton b, platform::Point at) { e.VEXORELLE_NEW_TEXTMouseUp(t, b, at); };
}

void WireEdit(ObjectEvents& e, TVXEdit& t) {
  t.OnMouseEnter = [&e, &t] { e.VEXORELLE_NEW_EDITMouseEnter(t); };
  t.OnMouseLeave = [&e, &t] { e.VEXORELLE_NEW_EDITMouseLeave(t); };
  t.MouseDownHandler = [&e, &t](platform::MouseButton b, platform::Point at) {
    e.VEXORELLE_NEW_EDITMouseDown(t, b, at);
  };
  t.ClickHandler = [&e, &t] { e.VEXORELLE_NEW_EDITClick(t); };
  t.ChangeHandler = [&e, &t] { e.VEXORELLE_NEW_EDITChange(t); };
  t.EnterHandler = [&e, &t] { e.VEXORELLE_NEW_EDITEnter(t); };
  t.ExitHandler = [&e, &t] { e.VEXORELLE_NEW_EDITExit(t); };
}

void WireButton(ObjectEvents& e, TVXButton& t) {
  t.OnMouseEnter = [&e, &t] { e.VEXORELLE_NEW_BUTTONMouseEnter(t); };
  t.OnMouseLeave = [&e, &t] { e.VEXORELLE_NEW_BUTTONMouseLeave(t); };
  t.MouseDownHandler = [&e, &t](platform::MouseButton b, platform::Point at) {
    e.VEXORELLE_NEW_BUTTONMouseDown(t, b, at);
  };
  t.ClickHandler = [&e, &t] { e.VEXORELLE_NEW_BUTTONClick(t); };
  t.MouseUpHandler = [&e, &t](platform::MouseButton b, platform::Point at) {
    e.VEXORELLE_NEW_BUTTONMouseUp(t, b, at);
  };
}

void WireImage(ObjectEvents& e, TVXImage& t) {
  t.OnMouseEnter = [&e, &t] { e.VEXORELLE_NEW_IMAGEMouseEnter(t); };
  t.OnMouseLeave = [&e, &t] { e.VEXORELLE_NEW_IMAGEMouseLeave(t); };
  t.OnMouseDown = [&e, &t](platform::MouseButton b, platform::Point at) { e.VEXORELLE_NEW_IMAGEMouseDown(t, b, at); };
  t.OnMouseUp = [&e, &t](platform::MouseButton b, platform::Point at) { e.VEXORELLE_NEW_IMAGEMouseUp(t, b, at); };
}

void WireShape(ObjectEvents& e, VxShapeObject& t) {
  t.Shape.OnMouseEnter = [&e, &t] { e.VEXORELLE_NEW_SHAPEMouseEnter(t); };
  t.Shape.OnMouseLeave = [&e, &t] { e.VEXORELLE_NEW_SHAPEMouseLeave(t); };
  t.Shape.OnMouseDown = [&e, &t](ShapeMouseButton b, int x, int y) { e.VEXORELLE_NEW_SHAPEMouseDown(t, b, x, y); };
  t.Shape.OnMouseUp = [&e, &t](ShapeMouseButton b, int x, int y) { e.VEXORELLE_NEW_SHAPEMouseUp(t, b, x, y); };
}

void WireTimer(ObjectEvents& e, TVXTimer& t) {
  t.OnTimer = [&e, &t] { e.VEXORELLE_NEW_TIMERTimer(t); };
}

void WireSound(ObjectEvents& e, TVXSound& t) {
  t.Hooks.OnGraphComplete = [&e, &t] { e.VEXORELLE_NEW_SOUNDGraphComplete(t); };
  t.Hooks.OnDSEvent = [&e, &t](int code) { e.VEXORELLE_NEW_SOUNDDSEvent(t, code); };
}

void WireFlash(ObjectEvents& e, TVXFlash& t) {
  platform::FlashHandlers h;
  h.fsCommand = [&e, &t](const std::string& command, const std::string& args) {
    e.ShockwaveFlashEx1FSCommand(t, command, args);
  };
  h.flashCall = [&e, &t](const std::string& request) { e.ShockwaveFlashEx1FlashCall(t, request); };
  t.SetHandlers(std::move(h));
}

void WireBrowser(ObjectEvents& e, TVXBrowser& t) {
  platform::BrowserHandlers h;
  h.beforeNavigate = [&e, &t](const platform::NavigationRequest& r, bool& cancel) {
    e.VEXORELLE_NEW_BROWSERBeforeNavigate2(t, r, cancel);
  };
  h.navigateComplete = [&e, &t](const std::string&) { e.VEXORELLE_NEW_BROWSERNavigateComplete2(t); };
  h.newWindow = [&e, &t](bool& cancel) { e.VEXORELLE_NEW_BROWSERNewWindow2(t, cancel); };
  h.progress = [&e, &t](int p, int max) { e.VEXORELLE_NEW_BROWSERProgressChange(t, p, max); };
  h.statusText = [&e, &t](const std::string& text) { e.VEXORELLE_NEW_BROWSERStatusTextChange(t, text); };
  h.title = [&e, &t](const std::string& title) { e.VEXORELLE_NEW_BROWSERTitleChange(t, title); };
  t.SetHandlers(std::move(h));
}

// A video's graph and the position bars are companions of their object.
void WireCompanion(ObjectEvents& e, TVXObject& object) {
  if (auto* graph = dynamic_cast<TFilterGraph*>(&object)) {
    graph->Hooks.OnGraphComplete = [&e, graph] { e.VEXORELLE_NEW_GRAPHGraphComplete(*graph); };
    graph->Hooks.OnDSEvent = [&e, graph](int code) { e.VEXORELLE_NEW_GRAPHDSEvent(*graph, code); };
  } else if (auto* bar = dynamic_cast<TDSTrackBar*>(&object)) {
    bar->OnTimer = [&e, bar](std::int64_t current, std::int64_t stop) { e.VEXORELLE_NEW_TRACKTimer(*bar, current, stop); };
  }
}

}  // namespace

void ObjectEvents::Wire(TVXObject& object) {
  switch (object.Kind()) {
    case ObjectKind::Text:
      if (auto* o = dynamic_cast<TVXText*>(&object)) WireText(*this, *o);
      break;
    case ObjectKind::Edit:
      if (auto* o = dynamic_cast<TVXEdit*>(&object)) WireEdit(*this, *o);
      break;
    case ObjectKind::Button:
      if (auto* o = dynamic_cast<TVXButton*>(&object)) WireButton(*this, *o);
      break;
    case ObjectKind::Picture:
      if (auto* o = dynamic_cast<TVXImage*>(&object)) WireImage(*this, *o);
      break;
    case ObjectKind::Shape:
      if (auto* o = dynamic_cast<VxShapeObject*>(&object)) WireShape(*this, *o);
      break;
    case ObjectKind::Timer:
      if (auto* o = dynamic_cast<TVXTimer*>(&object)) WireTimer(*this, *o);
      break;
    case ObjectKind::Sound:
      if (auto* o = dynamic_cast<TVXSound*>(&object)) WireSound(*this, *o);
      break;
    case ObjectKind::Flash:
      if (auto* o = dynamic_cast<TVXFlash*>(&object)) WireFlash(*this, *o);
      break;
    case ObjectKind::Browser:
      if (auto* o = dynamic_cast<TVXBrowser*>(&object)) WireBrowser(*this, *o);
      break;
    case ObjectKind::Companion: WireCompanion(*this, object); break;
    default: break;
  }
}

}  // namespace vx
