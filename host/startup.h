#pragma once
// The start of the player: the splash, the main form's creation (which loads
// the presentation), and the message loop that shows page 1.

#include <memory>

#include "platform/platform.h"

namespace vx {

class Application;
struct PlayerOptions;

// Everything up to the message loop. On an unreadable own file or a broken
// presentation it shows its box and ends the process.
std::unique_ptr<Application> StartPlayer(platform::Platform& platform);
// The same with what a player on another desktop decides for itself.
std::unique_ptr<Application> StartPlayer(platform::Platform& platform, PlayerOptions options);

// The temp, Windows and program folders (the own executable's folder) from
// the platform, each ending in "\", for the application and its scripts.
void FixFolders(Application& app);

// The program entry's work: start, show page 1, run the message loop.
void RunPlayer(platform::Platform& platform);

// "%dx%d %d Colors %d Hertz" for a mode: 32-bit modes come out as 1 colour.
std::string DisplayModeText(const platform::DisplayMode& mode);

}  // namespace vx
