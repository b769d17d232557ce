// The program entry of the Windows player.

#include "host/startup.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vx::win32::Win32Platform platform;
  vx::RunPlayer(platform.Platform());
  return 0;
}
