#include "tools/vxrun/script_console.h"

#include "tools/vxrun/variable_report.h"

#include <filesystem>

#include "host/app_events.h"
#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "script/runner.h"
#include "util/codepage.h"
#include "util/error.h"

namespace vx::tools {

namespace {

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

std::string ScriptPathOnDesktop(const std::string& hostPath) {
  std::string path = hostPath;
  if (!HasDriveLetter(path)) {
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(hostPath, failed);
    if (!failed) path = absolute.lexically_normal().string();
    if (!path.empty() && path.front() == '/') path = "Z:" + path;
  }
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

int RunScriptConsole(const std::string& scriptBytes, const ConsoleOptions& options, std::ostream& out) {
  sim::SimDesktop desktop;
  // Scripts on the console are Windows-1256 text, as the trace reads them.
  desktop.process.UseTextCodePage(kArabicCodePage);
  for (int answer : options.answers) desktop.dialogs.QueueAnswer(answer);
  const std::string script = options.utf8Script ? Utf8ToCp1256(scriptBytes) : scriptBytes;
  if (!options.scriptPath.empty()) {
    desktop.files.SetOwnExecutable(options.scriptPath, scriptBytes);
    if (HasDriveLetter(options.scriptPath)) {
      const char letter = options.scriptPath[0];
      desktop.files.SetDrive(letter >= 'a' ? static_cast<char>(letter - 'a' + 'A') : letter,
                             platform::DriveKind::Fixed);
    }
  }

  Application app(desktop.Platform());
  app.codePage = kArabicCodePage;
  FixFolders(app);
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
