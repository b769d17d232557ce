#include "host/display_mode.h"

#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "util/services.h"

namespace vx {

namespace {

struct DepthColours {
  int bits;
  int colours;
};
constexpr DepthColours kDepths[] = {{32, 1}, {16, 65536}, {8, 256}};

// The text up to (not including) the nth blank; all of it when it has fewer.
std::string UpToBlank(const std::string& text, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) {
    at = text.find(' ', i == 0 ? 0 : at + 1);
    if (at == std::string::npos) return text;
  }
  return text.substr(0, at);
}

bool TrySwitch(Application& app, int index) { return app.platform.display.ChangeDisplayMode(index); }

// Ends the program; the fonts, settings and mode the run changed are put
// back first, since the usual close never comes.
void EndAfterCleanUp(Application& app) {
  TerminateApp(app);
  TVXForm* main = app.MainForm();
  if (main != nullptr) KillWindowProcess(app.platform, &main->Window());
  app.platform.process.Terminate(1);
}

}  // namespace

void ChangeDisplayModeFor(Application& app, const Project& project) {
  if (!project.ChangeResolution) return;
  auto& display = app.platform.display;
  const platform::DisplayMode now = display.CurrentDisplayMode();
  int colours = 0;
  for (const DepthColours& d : kDepths)
    if (d.bits == now.bitsPerPixel) colours = d.colours;
  if (colours == 0) {
    EndAfterCleanUp(app);
    return;
  }

  const platform::Size screen = display.ScreenSize();
  const std::string current = std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " +
                              std::to_string(colours) + " Colors " + std::to_string(now.refreshHz) + " Hertz";
  app.savedDisplayMode = -1;
  for (std::size_t i = 0; i < app.displayModes.size(); ++i)
    if (app.displayModes[i] == current) app.savedDisplayMode = static_cast<int>(i);

  const std::string& requested = project.requestedMode;
  const auto& modes = app.displayModes;
  for (std::size_t i = 0; i < modes.size(); ++i) {
    if (modes[i] != requested) continue;
    app.values.SetBoolVar("_resolutionOK", TrySwitch(app, static_cast<int>(i)));
    return;
  }
  // Same size and colours at any refresh rate, then the same size.
  for (int blanks : {2, 1}) {
    const std::string prefix = UpToBlank(requested, blanks);
    for (std::size_t i = 0; i < modes.size(); ++i) {
      if (modes[i].compare(0, prefix.size(), prefix) != 0) continue;
      if (TrySwitch(app, static_cast<int>(i))) {
        app.values.SetBoolVar("_resolutionOK", true);
        return;
      }
    }
  }
  if (project.ExitOnBadResolution) {
    app.platform.dialogs.ShowMessageBox(
        "Your system does not support the screen resolution which this application can run in.\r"
        "Try running this program with another Monitor. Application will now terminate.",
        "Screen Resolution", platform::mb::Ok | platform::mb::IconWarning | platform::mb::TaskModal);
    EndAfterCleanUp(app);
    return;
  }
  app.values.SetBoolVar("_resolutionOK", false);
}

}  // namespace vx
