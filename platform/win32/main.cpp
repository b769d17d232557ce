// The program entry of the Windows player.

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vx::win32::Win32Platform platform;
  // As vx::RunPlayer, with the event scripts in the trace (the lines of the
  // headless player's), so the end-to-end tests see which handlers ran.
  auto app = vx::StartPlayer(platform.Platform());
  app->onEventScript = [](const std::string& handler, const std::string& form) {
    vx::win32::Trace("script " + handler + " on " + form);
  };
  app->MainForm()->Window().Show();
  platform.Platform().loop.Run();
  return 0;
}
