#include "host/startup.h"

#include <cstdint>
#include <cstdio>

#include "host/app_events.h"
#include "host/application.h"
#include "host/load_form.h"
#include "host/pages.h"
#include "host/presentation_code_page.h"
#include "host/project_loader.h"
#include "host/vx_form.h"
#include "util/services.h"
#include "util/error.h"
#include "util/trailer.h"

namespace vx {

namespace {

// Line 1 of the trailer block decides whether the splash shows.
bool TrailerAsksForSplash(const std::string& block) {
  const auto end = block.find_first_of("\r\n");
  return block.substr(0, end) == "1";
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string WithBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder.push_back('\\');
  return folder;
}

void ListDisplayModes(Application& app) {
  for (int i = 0;; ++i) {
    const auto mode = app.platform.display.EnumDisplayMode(i);
    if (!mode) break;
    app.displayModes.push_back(DisplayModeText(*mode));
  }
}

void CreateFlashHost(Application& app) {
  app.flashHost = app.platform.hosted.CreateFlashPlayer(app.MainForm()->Window(), nullptr);
  if (app.flashHost) app.flashHost->SetVisible(false);
  app.flashAvailable = app.flashHost != nullptr;
}

}  // namespace

std::string DisplayModeText(const platform::DisplayMode& mode) {
  const std::uint64_t colours = std::uint64_t{1} << (static_cast<unsigned>(mode.bitsPerPixel) % 32);
  char text[96];
  std::snprintf(text, sizeof text, "%dx%d %llu Colors %d Hertz", mode.width, mode.height,
                static_cast<unsigned long long>(colours), mode.refreshHz);
  return text;
}

void FixFolders(Application& app) {
  platform::Files& files = app.platform.files;
  app.tempFolder = WithBackslash(files.TempFolder().substr(0, 255));
  app.windowsFolder = WithBackslash(files.WindowsFolder());
  app.programFolder = FolderOf(files.OwnExecutablePath());
  app.evalFolders = {app.programFolder, app.tempFolder, app.windowsFolder};
}

std::unique_ptr<Application> StartPlayer(platform::Platform& platform) { return StartPlayer(platform, PlayerOptions{}); }

std::unique_ptr<Application> StartPlayer(platform::Platform& platform, PlayerOptions options) {
  auto app = std::make_unique<Application>(platform);
  app->options = std::move(options);
  // Before any text reaches the system, the splash's too.
  app->codePage = DecidePresentationCodePage(platform);
  app->splash = std::make_unique<TVXLoad>(platform);
  app->forms.push_back(std::make_unique<TVXForm>(*app));
  TVXForm& main = *app->MainForm();

  std::string trailer;
  bool haveTrailer = false;
  try {
    haveTrailer = ReadTrailer(platform.files, platform.files.OwnExecutablePath(), trailer);
  } catch (const Error&) {
    platform.dialogs.ShowMessageBox("Executable file is corrupted.", "VX.SYNTX ERR",
                                    platform::mb::Ok | platform::mb::IconError);
    platform.process.Terminate(1);
  }
  if (haveTrailer && TrailerAsksForSplash(trailer)) app->splash->Show();

  try {
    ListDisplayModes(*app);
    CreateFlashHost(*app);
  } catch (const std::exception&) {
    app->flashAvailable = false;
  }

  FixFolders(*app);
  main.SetName("VX_APPLICATION_FORM1");
  LoadProject(*app);

  app->splash->Close();
  app->splash.reset();
  ShowPagesAfterLoading(*app);
  // From here on an error nothing else handles goes to the project's script.
  InstallApplicationEvents(*app);
  return app;
}

void RunPlayer(platform::Platform& platform) {
  auto app = StartPlayer(platform);
  app->MainForm()->Window().Show();
  platform.loop.Run();
}

}  // namespace vx
