#pragma once
// The display-mode change a project may ask for, and the switch back.

namespace vx {

class Application;
struct Project;

// When the project asks for it: records the mode now as the saved display
// mode, then switches to the requested mode, or the first of the same size
// and colours, or the first of the same size. "_resolutionOK" tells the
// scripts whether it worked. A desktop depth that cannot be told, or no mode
// with ExitOnBadResolution, ends the program, after TerminateApp has put the
// system back.
void ChangeDisplayModeFor(Application& app, const Project& project);

}  // namespace vx
