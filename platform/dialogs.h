#pragma once
// Message boxes and the standard dialogs (open file, save file, browse
// folder, colour, font). Message-box flags and results use the Win32
// numbers, since scripts pass and read them as numbers.

#include <string>
#include <vector>

#include "platform/fonts.h"
#include "platform/types.h"

namespace vx::platform {

class Window;

namespace mb {
// Buttons
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned AbortRetryIgnore = 0x2;
constexpr unsigned YesNoCancel = 0x3;
constexpr unsigned YesNo = 0x4;
constexpr unsigned RetryCancel = 0x5;
constexpr unsigned CancelTryContinue = 0x6;
// Icons
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30;
constexpr unsigned IconInformation = 0x40;
// Modality
constexpr unsigned TaskModal = 0x2000;
// Results
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdAbort = 3;
constexpr int IdRetry = 4;
constexpr int IdIgnore = 5;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
constexpr int IdTryAgain = 10;
constexpr int IdContinue = 11;
}  // namespace mb

// The settings of a standard dialog. The caller owns them and they last
// between calls (a page keeps one of each kind); a dialog reads them when it
// opens and writes back what the user chose when confirmed. The option
// flags start as the page template sets them.

struct FileDialogState {
  // Description and pattern pairs: "Text|*.txt|All files|*.*".
  std::string filter;
  std::string fileName;       // preset; the chosen file (the first of several)
  std::string initialFolder;
  std::string defaultExtension;  // without the dot; added to a name typed without one
  bool multiSelect = false;
  std::vector<std::string> files;  // every chosen file, in order
  // Template options: a read-only box (open), checked read-only files
  // hidden, a sizable dialog, a prompt before replacing a file (save).
  bool readOnlyBox = false;
  bool hideReadOnly = true;
  bool sizing = true;
  bool overwritePrompt = false;
};

struct FolderDialogState {
  std::string caption;
  std::string text;    // the line above the tree
  std::string folder;  // preset; the chosen folder
  bool listFiles = false;
  bool newFolderButton = false;
  bool foldersOnly = true;  // template: only file-system folders confirm
  bool statusLine = true;   // template: the current selection is shown
};

struct ColorDialogState {
  Color color = 0;
  bool fullOpen = true;  // template: the custom-colour part is open
};

struct FontDialogState {
  FontSpec font;
  Color color = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button pressed (mb::Id...).
  virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;

  // The standard dialogs, modal to owner (null: the active window). True
  // when the user confirmed; then the state holds the choice.
  virtual bool ShowOpenDialog(Window* owner, FileDialogState& state) = 0;
  virtual bool ShowSaveDialog(Window* owner, FileDialogState& state) = 0;
  virtual bool ShowFolderDialog(Window* owner, FolderDialogState& state) = 0;
  virtual bool ShowColorDialog(Window* owner, ColorDialogState& state) = 0;
  virtual bool ShowFontDialog(Window* owner, FontDialogState& state) = 0;
};

}  // namespace vx::platform
