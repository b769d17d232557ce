#pragma once

namespace vx {

class Application;

// Shutdown clean-up: stops media, restores the display mode, removes the
// fonts, puts back the system settings and deletes the extracted files.
// Each step is guarded on its own, so one failing step never keeps the
// system from being put back.
void TerminateApp(Application& app);

// The settings as they are now become the ones to put back at exit.
void SaveSystemSettings(Application& app);

// Puts back the settings saved at start, each on its own guard; nothing when
// none were saved.
void RestoreSystemSettings(Application& app);

}  // namespace vx
