#pragma once
// Flash movies, browsers and plug-ins around their controls: the browsers
// loading defers, the plug-in library table, the missing Flash player, and
// the plug-in calls of the object methods.

#include <memory>
#include <string>
#include <vector>

#include "platform/hosted.h"

namespace vx {

class Application;
class TVXForm;
class TVXMPlugin;
class TNamedTimer;

// The process-wide hosting state (Application::hosting).
struct HostedObjects {
  // One entry per browser loaded, consumed by the first tick of "NAV".
  struct DeferredNavigation {
    TVXForm* page = nullptr;
    std::string component;
    int left = 0, top = 0, width = 0, height = 0;
    int tabOrder = 0;
    int cursor = 0;
  };
  std::vector<DeferredNavigation> deferred;
  // PluginLibraryTable: one slot per plug-in start, null where loading
  // failed. Libraries stay loaded until the process ends.
  std::vector<std::unique_ptr<platform::PluginLibrary>> plugins;
};

// Where the missing-player box sends the user: a page of this project's
// documentation.
inline constexpr const char* kFlashHelpAddress = "docs/hosted-controls.md";

// The Flash header met without a player. With IgnoreMissingFlash it returns
// and the object is left out; otherwise the box, the clean-up and the end.
void MissingFlashPlayer(Application& app, bool ignore);

// Browser field 50: the timer "NAV" on the main form, made once.
void ArmDeferredNavigation(Application& app);
// The tick of "NAV" (onnav): every deferred browser placed and navigated.
void RunDeferredNavigation(Application& app, TVXForm& main, TNamedTimer& timer);

// Plug-in field 40: the start timer "P" + the name from its 4th character.
void ArmPluginStart(Application& app, TVXForm& page, const std::string& componentName);
// The tick of that timer (PluginTimerTimer): the start sequence.
void StartPlugin(Application& app, TVXForm& page, TNamedTimer& timer);

// The plug-in's loaded library, or null (not started, or loading failed).
platform::PluginLibrary* PluginLibraryOf(Application& app, const TVXMPlugin& plugin);

}  // namespace vx
