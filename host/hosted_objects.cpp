#include "host/hosted_objects.h"

#include "host/application.h"
#include "host/media_playback.h"
#include "host/object_events/object_events.h"
#include "host/pages.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "objects/vx_media.h"
#include "util/error.h"
#include "util/services.h"

namespace vx {

namespace {

void OnNav(Application& app, TVXForm& main, TNamedTimer& timer) {
  if (TVXForm* form = app.MainForm()) form->Events().onnav(main, timer);
}

void OnPluginTimer(Application& app, TVXForm& page, TNamedTimer& timer) {
  if (TVXForm* main = app.MainForm()) main->Events().PluginTimerTimer(page, timer);
}

// The end that cannot wait: the system is put back first, since the
// presentation may already have changed it.
void EndAtOnce(Application& app) {
  TerminateApp(app);
  TVXForm* main = app.MainForm();
  KillWindowProcess(app.platform, main != nullptr ? &main->Window() : nullptr);
  app.platform.process.Terminate(1);
}

}  // namespace

void MissingFlashPlayer(Application& app, bool ignore) {
  if (ignore) {
    if (app.options.note) app.options.note("flash movie left out: no Flash player");
    return;
  }
  std::string text = "Running this application requiers Flash ActiveX to be installed.\r";
  text.append("This ActiveX can be downloaded from ").append(kFlashHelpAddress).append("\r\r");
  text.append("Since it is not installed, you can not run/use this application.\r");
  text.append("Application will now terminate.");
  app.platform.dialogs.ShowMessageBox(text, "Flash ActiveX", platform::mb::IconWarning | platform::mb::TaskModal);
  EndAtOnce(app);
}

void ArmDeferredNavigation(Application& app) {
  TVXForm* main = app.MainForm();
  if (main == nullptr || main->Components().Find("NAV") != nullptr) return;
  CreatePageTimer(app, *main, "NAV", 1, OnNav).SetEnabled(true);
}

void RunDeferredNavigation(Application& app, TVXForm& main, TNamedTimer& timer) {
  timer.SetEnabled(false);
  // Taken first: a script the navigation runs may load nothing more, but
  // must not see a half-consumed list.
  std::vector<HostedObjects::DeferredNavigation> entries = std::move(app.hosting->deferred);
  app.hosting->deferred.clear();
  FreePageTimer(app, main, timer);
  for (const auto& entry : entries) {
    auto* browser = dynamic_cast<TVXBrowser*>(entry.page->Components().Find(entry.component));
    if (browser == nullptr) continue;
    browser->SetBounds({entry.left, entry.top, entry.width, entry.height});
    browser->SetTabOrder(entry.tabOrder);
    browser->SetCursor(GetCursorByNum(entry.cursor));
    browser->Browser().SetAcceptDroppedFiles(true);
    // A start page the control cannot open (no HTML engine, a bad address)
    // leaves that pane empty, not the others, and asks nothing of the user.
    try {
      browser->Browser().Navigate(browser->DefPath);
    } catch (const Error&) {
    }
  }
}

void ArmPluginStart(Application& app, TVXForm& page, const std::string& componentName) {
  CreatePageTimer(app, page, CompanionName("P", componentName), 1, OnPluginTimer).SetEnabled(true);
}

void StartPlugin(Application& app, TVXForm& page, TNamedTimer& timer) {
  timer.SetEnabled(false);
  struct FreeTimer {
    Application& app;
    TVXForm& page;
    TNamedTimer& timer;
    ~FreeTimer() { FreePageTimer(app, page, timer); }
  } freeTimer{app, page, timer};
  std::string hostName = "OBJ";
  hostName.append(timer.Name, 1);
  auto* plugin = dynamic_cast<TVXMPlugin*>(page.Components().Find(hostName));
  if (plugin == nullptr) return;
  auto& table = app.hosting->plugins;
  table.push_back(app.platform.hosted.LoadPluginLibrary(plugin->Path));
  const int slot = static_cast<int>(table.size());
  platform::PluginLibrary* library = table.back().get();
  if (library == nullptr) return;
  platform::PluginHost& host = plugin->Host();
  if (library->HasExport("SetParentWindow")) {
    try {
      library->CallWithWindow("SetParentWindow", host);
    } catch (const std::exception&) {
      library->Unload();
      EndAtOnce(app);
      return;
    }
  }
  const platform::Rect r = plugin->BoundsRect();
  if (library->HasExport("Draw")) library->CallDraw("Draw", &host, 0, 0, r.width, r.height);
  if (library->HasExport("SetPath")) {
    std::string folder = app.programFolder;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    library->CallWithText("SetPath", folder);
  }
  if (library->HasExport("Show")) library->Call("Show");
  plugin->LibraryIndex = slot;
}

platform::PluginLibrary* PluginLibraryOf(Application& app, const TVXMPlugin& plugin) {
  const auto& table = app.hosting->plugins;
  if (plugin.LibraryIndex <= 0 || static_cast<std::size_t>(plugin.LibraryIndex) > table.size()) return nullptr;
  return table[static_cast<std::size_t>(plugin.LibraryIndex) - 1].get();
}

}  // namespace vx
