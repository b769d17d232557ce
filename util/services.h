#pragma once
// Window and system services used all over the runtime. They keep no state.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vx {

// The first open top-level window of the application whose name equals name,
// A-Z compared without regard to case; null when there is none.
platform::Window* FindFormByName(platform::Forms& forms, std::string_view name);

// Centres the named window in the work area; nothing when there is none.
void CenterForm(platform::Platform& platform, std::string_view name);

// The key is held down now (a key that is only toggled on is not).
bool IsKeyDown(platform::Input& input, int virtualKey);

// A modal error box captioned with the application title; with halt the
// program ends as soon as the box is closed.
void ShowError(platform::Platform& platform, const std::string& title, const std::string& message,
               bool halt);

// Adds or removes a font file for every program; refusals are not reported.
void InstallFont(platform::Fonts& fonts, const std::string& fileName);
void UninstallFont(platform::Fonts& fonts, const std::string& fileName);

// Ends the process that owns a live window, with exit code 1; nothing for a
// window that is gone.
void KillWindowProcess(platform::Platform& platform, const platform::Window* window);

bool IsOnline(platform::Process& process);

}  // namespace vx
