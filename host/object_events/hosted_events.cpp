// Flash movies and browsers: their notifications reach the scripts through
// the reserved variables; "vx:" links run evntAC instead of navigating. The
// deferred browsers' "NAV" timer and the plug-ins' start timers.

#include "host/object_events/object_events.h"

#include "host/application.h"
#include "host/hosted_objects.h"
#include "host/vx_form.h"
#include "objects/vx_hosted.h"
#include "objects/vx_media.h"
#include "util/conversions.h"

namespace vx {

namespace {

bool IsCustomLink(const std::string& url) {
  if (url.size() < 3) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return lower(url[0]) == 'v' && lower(url[1]) == 'x' && url[2] == ':';
}

}  // namespace

void ObjectEvents::ShockwaveFlashEx1FlashCall(TVXFlash& sender, const std::string& request) {
  app_.values.SetStrVar("_request", request);
  RunScript("ShockwaveFlashEx1FlashCall", sender, sender.evntFC);
}

void ObjectEvents::ShockwaveFlashEx1FSCommand(TVXFlash& sender, const std::string& command, const std::string& args) {
  app_.values.SetStrVar("_command", command);
  app_.values.SetStrVar("_args", args);
  RunScript("ShockwaveFlashEx1FSCommand", sender, sender.evntFS);
}

void ObjectEvents::VEXORELLE_NEW_BROWSERBeforeNavigate2(TVXBrowser& sender, const platform::NavigationRequest& r,
                                                         bool& cancel) {
  TValues& v = app_.values;
  if (IsCustomLink(r.url)) {
    cancel = true;
    v.SetStrVar("_vx", r.url.substr(3));
    RunScript("VEXORELLE_NEW_BROWSERBeforeNavigate2", sender, sender.evntAC);
    return;
  }
  v.SetStrVar("_url", r.url);
  v.SetStrVar("_flags", r.flags);
  v.SetStrVar("_targetframe", r.targetFrame);
  v.SetStrVar("_postdata", r.postData);
  v.SetStrVar("_headers", r.headers);
  v.SetBoolVar("_cancel", false);
  RunScript("VEXORELLE_NEW_BROWSERBeforeNavigate2", sender, sender.evntBN);
  cancel = v.GetBoolVar("_cancel");
}

void ObjectEvents::VEXORELLE_NEW_BROWSERNavigateComplete2(TVXBrowser& sender) {
  RunScript("VEXORELLE_NEW_BROWSERNavigateComplete2", sender, sender.evntAN);
}

void ObjectEvents::VEXORELLE_NEW_BROWSERNewWindow2(TVXBrowser& sender, bool& cancel) {
  app_.values.SetBoolVar("_cancel", false);
  RunScript("VEXORELLE_NEW_BROWSERNewWindow2", sender, sender.evntNW);
  cancel = app_.values.GetBoolVar("_cancel");
}

void ObjectEvents::VEXORELLE_NEW_BROWSERProgressChange(TVXBrowser& sender, int progress, int progressMax) {
  app_.values.SetNumVar("_progress", progress);
  app_.values.SetNumVar("_progressmax", progressMax);
  RunScript("VEXORELLE_NEW_BROWSERProgressChange", sender, sender.evntPC);
}

void ObjectEvents::VEXORELLE_NEW_BROWSERStatusTextChange(TVXBrowser& sender, const std::string& text) {
  app_.values.SetStrVar("_status", text);
  RunScript("VEXORELLE_NEW_BROWSERStatusTextChange", sender, sender.evntSC);
}

void ObjectEvents::VEXORELLE_NEW_BROWSERTitleChange(TVXBrowser& sender, const std::string& title) {
  app_.values.SetStrVar("_title", title);
  RunScript("VEXORELLE_NEW_BROWSERTitleChange", sender, sender.evntTC);
}

void ObjectEvents::onnav(TVXForm& main, TNamedTimer& sender) { RunDeferredNavigation(app_, main, sender); }

void ObjectEvents::PluginTimerTimer(TVXForm& page, TNamedTimer& sender) { StartPlugin(app_, page, sender); }

}  // namespace vx
