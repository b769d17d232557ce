#include "host/app_events.h"

#include "host/application.h"
#include "platform/dialogs.h"
#include "script/runner.h"
#include "util/lines.h"
#include "util/text_search.h"

namespace vx {

void ApplicationEvents1Exception(Application& app, const std::string& message) {
  try {
    app.values.SetNumVar("_error", 0);
    app.values.SetStrVar("_error", message);
    if (message.starts_with("Access")) return;
    const LineList& script = app.project.OnErrorScript;
    if (script.size() < 5 && StripSpaces(JoinLines(script), false).empty()) {
      app.platform.dialogs.ShowMessageBox(message, kExceptionCaption,
                                          platform::mb::Ok | platform::mb::IconError);
      return;
    }
    DoActions(app, app.MainForm(), script);
  } catch (const std::exception&) {
    // An error while reporting an error has nowhere left to go.
  }
}

void ApplicationEvents1Hint(Application& app, const std::string& hint) {
  app.values.SetStrVar("_hint", hint);
  DoActions(app, app.MainForm(), app.project.OnHintScript);
}

void ApplicationEvents1Minimize(Application& app) {
  DoActions(app, app.MainForm(), app.project.OnMinimizeScript);
}

void ApplicationEvents1Restore(Application& app) {
  DoActions(app, app.MainForm(), app.project.OnRestoreScript);
}

void InstallApplicationEvents(Application& app) {
  app.platform.loop.SetErrorHandler(
      [&app](const std::exception& e) { ApplicationEvents1Exception(app, e.what()); });
  app.platform.forms.SetApplicationHandlers({[&app] { ApplicationEvents1Minimize(app); },
                                             [&app] { ApplicationEvents1Restore(app); }});
}

}  // namespace vx
