#include "tools/vxrun/script_console.h"

#include "tools/vxrun/variable_report.h"

#include "host/app_events.h"
#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "script/runner.h"
#include "util/codepage.h"
#include "util/error.h"

namespace vx::tools {

int RunScriptConsole(const std::string& scriptBytes, const ConsoleOptions& options, std::ostream& out) {
  sim::SimDesktop desktop;
  for (int answer : options.answers) desktop.dialogs.QueueAnswer(answer);
  const std::string script = options.utf8Script ? Utf8ToCp1256(scriptBytes) : scriptBytes;

  Application app(desktop.Platform());
  app.project.title = "vxrun";
  app.forms.push_back(std::make_unique<TVXForm>(app));
  app.MainForm()->SetName("VX_APPLICATION_FORM1");
  InstallApplicationEvents(app);
  const auto before = SnapshotVariables(app.values);

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
  for (const std::string& line : ChangedVariables(before, SnapshotVariables(app.values)))
    out << Cp1256ToUtf8(line) << '\n';
  if (failed) out << "error: " << Cp1256ToUtf8(failure) << '\n';
  return failed ? 1 : 0;
}

}  // namespace vx::tools
