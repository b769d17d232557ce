#pragma once
// The process-wide state of the runtime, in one object that a test can create
// fresh: the platform it runs on, the variable store, the scrambler key, the
// pages, and everything start-up records so that shutdown can undo it.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "host/page_settings.h"
#include "host/project.h"
#include "platform/platform.h"
#include "script/shift.h"
#include "util/random_source.h"
#include "values/eval_context.h"
#include "values/script_files.h"
#include "values/variables.h"

namespace vx {

class TVXForm;
class TVXLoad;
class ScriptThreads;
class ObjectActions;
struct MediaPlayback;
struct HostedObjects;

// The system settings as they were before the presentation changed them.
// What a player on another desktop decides for itself.
struct PlayerOptions {
  // A Flash movie without a player is left out as with IgnoreMissingFlash,
  // never ending the presentation.
  bool leaveOutMissingFlash = false;
  // Where such a decision is noted (the player's log).
  std::function<void(const std::string&)> note;
  // Pages whose client area is larger show without their transition. A
  // harness that paints every frame of virtual time (the fuzzers) sets less.
  std::int64_t transitionPixelLimit = kMaxTransitionPixels;
};

struct SavedSystemSettings {
  bool cursorShadow = false;
  bool screenSaver = false;
  bool menuFade = false;
  bool fontSmoothing = false;
  bool swapMouseButtons = false;
};

class Application {
 public:
  explicit Application(platform::Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  platform::Platform& platform;
  TValues values;
  ShiftKey shiftKey;
  RandomSource random;

  // What the container holds: title, options, project scripts, tables.
  Project project;

  // Every page: forms[0] is the main form (page 1). Pages are never freed.
  std::vector<std::unique_ptr<TVXForm>> forms;
  TVXForm* MainForm() const { return forms.empty() ? nullptr : forms.front().get(); }
  // The page whose window this is, or null.
  TVXForm* FormOf(const platform::Window* window) const;
  std::unique_ptr<TVXLoad> splash;

  // The code page of the presentation's text where it meets the system,
  // decided before anything is shown (host/presentation_code_page.h).
  unsigned codePage = 0;

  std::string tempFolder;     // ends with "\"
  std::string windowsFolder;  // ends with "\"
  std::string programFolder;  // ends with "\"
  std::string ExtractionFolder() const { return tempFolder + "VXTEMP\\"; }

  // "%dx%d %d Colors %d Hertz", one line per adapter mode, in its order.
  std::vector<std::string> displayModes;
  int savedDisplayMode = -1;

  bool flashAvailable = false;
  PlayerOptions options;
  std::unique_ptr<platform::FlashPlayer> flashHost;

  // Read before the presentation changed anything; empty when it did not.
  std::optional<SavedSystemSettings> savedSettings;

  int currentPageNumber = 0;
  // The page table (entry 0 empty), the number of pages loaded, and whether
  // a frameless page can be dragged.
  std::vector<TFormDB> formDB{TFormDB{}};
  int pageCount = 0;
  bool PageDragging = false;
  // A left press on a frameless page, in its client coordinates, until the
  // release; the drag starts once the cursor left the press point.
  bool DragPressed = false;
  bool DragStarted = false;
  platform::Point DragAnchor;
  // Where the headless player hears which event handler ran a script; empty
  // in the player.
  std::function<void(const std::string& handler, const std::string& form)> onEventScript;
  // Script threads read it while the main thread shuts down.
  std::atomic<bool> terminating{false};

  // The script's open registry key and INI file (script commands change them).
  ScriptRegistry scriptRegistry;
  ScriptIniFile scriptIni;
  // The folders as the evaluators see them; start-up fills them with the
  // folder members above.
  Folders evalFolders;
  // What the runner hands to EvalStrExpr / EvalNumExpr.
  EvalContext eval;
  // What eval.pages points to.
  std::unique_ptr<PageQueries> pageQueries;

  // The object layer as command 10 reaches it: the pages' own
  // (objects/methods/page_object_actions.h) unless a test puts another.
  ObjectActions* objectActions = nullptr;
  std::unique_ptr<ObjectActions> pageObjectActions;

  // Full screen, SetVolume's sound, the pages' media timers.
  std::unique_ptr<MediaPlayback> media;
  // The deferred browsers and the plug-in library table.
  std::unique_ptr<HostedObjects> hosting;

  // The main thread's script state, the bridge and the script threads. Last,
  // so that its threads end before anything they use goes.
  std::unique_ptr<ScriptThreads> scripts;
};

}  // namespace vx
