#include "host/terminate.h"

#include <exception>

#include "host/application.h"
#include "host/embedded_files.h"
#include "host/media_playback.h"
#include "host/vx_form.h"
#include "util/services.h"

namespace vx {

namespace {
template <typename Step>
void Guarded(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
    // Shutdown goes on: the next step still has something to put back.
  }
}
}  // namespace

void SaveSystemSettings(Application& app) {
  using platform::SystemSetting;
  auto& display = app.platform.display;
  SavedSystemSettings saved;
  saved.cursorShadow = display.GetSystemSetting(SystemSetting::CursorShadow);
  saved.screenSaver = display.GetSystemSetting(SystemSetting::ScreenSaver);
  saved.menuFade = display.GetSystemSetting(SystemSetting::MenuFade);
  saved.fontSmoothing = display.GetSystemSetting(SystemSetting::FontSmoothing);
  // The user's own button swap is kept: a left-handed mouse stays left-handed.
  saved.swapMouseButtons = display.GetSystemSetting(SystemSetting::SwapMouseButtons);
  app.savedSettings = saved;
}

void RestoreSystemSettings(Application& app) {
  if (!app.savedSettings) return;
  using platform::SystemSetting;
  const SavedSystemSettings& s = *app.savedSettings;
  auto& display = app.platform.display;
  Guarded([&] { display.SetSystemSetting(SystemSetting::CursorShadow, s.cursorShadow); });
  Guarded([&] { display.SetSystemSetting(SystemSetting::ScreenSaver, s.screenSaver); });
  Guarded([&] { display.SetSystemSetting(SystemSetting::SwapMouseButtons, s.swapMouseButtons); });
  Guarded([&] { display.SetSystemSetting(SystemSetting::MenuFade, s.menuFade); });
  Guarded([&] { display.SetSystemSetting(SystemSetting::FontSmoothing, s.fontSmoothing); });
}

void TerminateApp(Application& app) {
  app.terminating = true;
  auto& platform = app.platform;

  // Nothing plays on while the rest is put back.
  Guarded([&] { StopAllMedia(app); });

  Guarded([&] {
    for (platform::Window* window : platform.forms.TopLevelWindows()) {
      platform::Rect bounds = window->Bounds();
      bounds.left = 10000;
      bounds.top = 10000;
      window->SetBounds(bounds);
    }
  });

  Guarded([&] {
    if (app.project.ChangeResolution && app.savedDisplayMode >= 0) platform.display.ChangeDisplayMode(app.savedDisplayMode);
  });

  for (const std::string& font : app.project.fonts) Guarded([&] { UninstallFont(platform.fonts, font); });

  RestoreSystemSettings(app);

  for (std::size_t i = 1; i < app.project.embeddedFiles.size(); ++i) {
    Guarded([&] {
      const std::string name = ExtractedFileName(app.project.embeddedFiles[i]);
      if (name.empty()) return;
      const std::string path = app.ExtractionFolder() + name;
      if (platform.files.FileExists(path)) platform.files.RemoveFile(path);
    });
  }
}

}  // namespace vx
