// Application, navigation and message commands.

#include <algorithm>
#include <cstdint>

#include "host/application.h"
#include "host/vx_form.h"
#include "script/app_thread.h"
#include "script/commands/families.h"
#include "script/object_actions.h"
#include "script/runner.h"
#include "util/services.h"

namespace vx::commands {

namespace {

void ErrorBox(CommandContext& c);    // 5
void Exit(CommandContext& c);        // 9
void ObjectMethod(CommandContext& c);  // 10
void MessageBox(CommandContext& c);  // 20
void ShellOpen(CommandContext& c);   // 21
void Stop(CommandContext& c);        // 23
void Wait(CommandContext& c);        // 25
void Nothing(CommandContext&) {}     // 19, 22, 31

constexpr CommandRow kRows[] = {
    {5, ErrorBox},
    {9, Exit},
    {10, ObjectMethod},
    {19, Nothing},
    {20, MessageBox},
    {21, ShellOpen},
    {22, Nothing},
    {23, Stop},
    {25, Wait},
    {31, Nothing},
};

void ErrorBox(CommandContext& c) {
  try {
    Application& app = c.App();
    ShowError(app.platform, app.project.title, c.S(1), false);
  } catch (const std::exception&) {
    // The error box never fails its statement.
  }
}

void Exit(CommandContext& c) {
  Application& app = c.App();
  app.scripts->TerminateAll();
  if (c.thread.threadIndex != 0) {
    // Timers belong to the main thread: it starts the signal for itself.
    app.scripts->bridge.Post([&app] {
      if (TVXForm* main = app.MainForm()) {
        main->showevent().SetInterval(2);
        main->showevent().SetEnabled(true);
      }
    });
    return;
  }
  for (const auto& form : app.forms) {
    try {
      form->Window().Hide();
    } catch (const std::exception&) {
      // One window that cannot hide keeps no other from it.
    }
  }
  try {
    if (c.form != nullptr) c.form->Window().Hide();
    if (TVXForm* main = app.MainForm()) main->Window().RequestClose();
  } catch (const std::exception&) {
    // The program is ending; nothing is left to report to.
  }
}

// 10(object, page).method
void ObjectMethod(CommandContext& c) {
  Application& app = c.App();
  ObjectActions* objects = app.objectActions;
  if (objects == nullptr) return;
  const std::string object = c.S(1);
  const std::string pageName = c.S(2);
  const auto dot = c.line.find('.');
  const std::string method = dot == std::string::npos ? std::string() : c.line.substr(dot + 1);
  // The pages and their objects belong to the main thread: a script thread
  // has the whole statement done there (the current page, the test for the
  // object and the method) and waits.
  ThreadObjAction(c.thread, [&] {
    const std::string page = pageName.empty() ? objects->CurrentPageName() : pageName;
    const int pageNumber = objects->PageNumberByName(page);
    if (!objects->PageHasComponent(pageNumber, "OBJ" + object)) return;
    objects->DoObjAction(app.scripts->main, method, object, pageNumber);
  });
}

void MessageBox(CommandContext& c) {
  const std::string text = c.S(1);
  const std::string caption = c.S(2);
  const auto flags = static_cast<unsigned>(c.I(3));
  const int pressed = c.App().platform.dialogs.ShowMessageBox(text, caption, flags);
  c.App().values.SetNumVar("_result", pressed);
}

void ShellOpen(CommandContext& c) {
  const std::string parameters = "shell32.dll,ShellExec_RunDLL \"" + c.S(1) + "\" \"" + c.S(2) + "\"";
  c.App().platform.process.ShellOpen("RunDLL32.EXE", parameters, static_cast<int>(c.I(3)));
}

void Stop(CommandContext& c) { c.thread.state.StopRequested = true; }

void Wait(CommandContext& c) {
  // A negative count would be an endless wait; 0xFFFFFFFF is the system's
  // "forever" itself.
  constexpr std::int64_t kLongest = 0xFFFFFFFE;
  const auto ms = static_cast<std::uint32_t>(std::clamp<std::int64_t>(c.I(1), 0, kLongest));
  c.App().platform.loop.Sleep(ms);
}

}  // namespace

std::span<const CommandRow> ApplicationCommands() { return kRows; }

}  // namespace vx::commands
