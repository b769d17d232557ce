#pragma once
// The project-wide data the container holds: what the main form owns once the
// container is read. Tables whose entry 0 stays empty are created with it.

#include <string>
#include <vector>

#include "platform/types.h"
#include "util/lines.h"

namespace vx {

// One author function.
struct TFunc {
  std::string name;
  std::string shortcut;  // "0"/"1" for Shift, Ctrl, Alt, then a key name
  int slot = 0;          // 0 runs in the calling thread
  LineList body;
  bool operator==(const TFunc&) const = default;
};

struct Project {
  std::string title;

  int hintPause = 500;       // ms before a hint shows
  int hintHidePause = 2500;  // ms a hint stays
  platform::Color hintColor = 0;
  platform::Color hintFontColor = 0;

  // System options; each set flag changes a setting for the run.
  bool noCursorShadow = false;
  bool noScreenSaver = false;
  bool swapMouseButtons = false;
  bool noMenuFade = false;
  bool ExtractAllEmbedded = false;
  bool HintFollowsMouse = false;
  bool IgnoreMissingFlash = false;

  bool ChangeResolution = false;
  bool ExitOnBadResolution = false;
  std::string requestedMode;  // "%dx%d %d Colors %d Hertz"

  LineList OnErrorScript;
  LineList OnHintScript;
  LineList OnMinimizeScript;
  LineList OnRestoreScript;
  LineList ReservedProjectScript;

  // Entry i is the resource "DATAE" + i.
  std::vector<std::string> embeddedFiles{std::string()};
  // Element i - 1 is font i and custom cursor i.
  std::vector<std::string> fonts;
  std::vector<std::string> cursorFiles;
  // Priority code of thread slot i; slot 0 is the calling thread's.
  std::vector<int> threadPriorities{0};
  std::vector<TFunc> functions{TFunc{}};
};

}  // namespace vx
