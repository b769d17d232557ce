#include "tools/vxrun/script_console.h"

#include <map>

#include "host/app_events.h"
#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "script/runner.h"
#include "util/codepage.h"
#include "util/error.h"
#include "values/number_text.h"

namespace vx::tools {

namespace {

// Every variable as "$name = "text"", "#name = 6", "!name = true".
std::map<std::string, std::string> Snapshot(const TValues& values) {
  std::map<std::string, std::string> vars;
  for (const auto& v : values.StrVars()) vars["$" + v.name] = "\"" + v.value + "\"";
  for (const auto& v : values.NumVars()) vars["#" + v.name] = NumberToText(v.value);
  for (const auto& v : values.BoolVars()) vars["!" + v.name] = v.value ? "true" : "false";
  return vars;
}

}  // namespace

int RunScriptConsole(const std::string& scriptBytes, const ConsoleOptions& options, std::ostream& out) {
  sim::SimDesktop desktop;
  for (int answer : options.answers) desktop.dialogs.QueueAnswer(answer);
  const std::string script = options.utf8Script ? Utf8ToCp1256(scriptBytes) : scriptBytes;

  Application app(desktop.Platform());
  app.project.title = "vxrun";
  app.forms.push_back(std::make_unique<TVXForm>(app));
  app.MainForm()->SetName("VX_APPLICATION_FORM1");
  InstallApplicationEvents(app);
  const auto before = Snapshot(app.values);

  std::string failure;
  bool failed = false;
  try {
    DoActions(app, app.MainForm(), script);
  } catch (const Error& e) {
    failed = true;
    failure = e.what();
  } catch (const sim::ProcessExited&) {
    // The script ended the program; the log says so.
  }
  // What script threads still hand over is done before the report.
  desktop.loop.RunPosted();

  for (const std::string& line : desktop.log.Lines()) out << Cp1256ToUtf8(line) << '\n';
  for (const auto& [name, value] : Snapshot(app.values)) {
    const auto it = before.find(name);
    if (it == before.end() || it->second != value) out << Cp1256ToUtf8(name + " = " + value) << '\n';
  }
  if (failed) out << "error: " << Cp1256ToUtf8(failure) << '\n';
  return failed ? 1 : 0;
}

}  // namespace vx::tools
