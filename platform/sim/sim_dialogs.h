#pragma once
// Message boxes answered from a queue that the test fills. Every box is
// recorded; with the queue empty a box is answered with its first button.
// The standard dialogs are answered from a second queue (the tour's choose
// and cancel lines); an unanswered dialog is cancelled.

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

struct ShownMessageBox {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  int answer = 0;
};

// What the person does in the next standard dialog; names in the system's
// Unicode (UTF-8).
struct DialogAnswer {
  enum class Kind { Files, Folder, Color, Font, Cancel };
  Kind kind = Kind::Cancel;
  std::vector<std::string> files;  // Files: one, or several for multiple selection
  std::string folder;
  platform::Color color = 0;  // Color; Font: the font's colour
  platform::FontSpec font;
};

// A standard dialog as it was shown: its kind ("open", "save", "folder",
// "color", "font") and its settings as it opened.
struct ShownDialog {
  std::string kind;
  platform::FileDialogState file;
  platform::FolderDialogState folder;
  platform::ColorDialogState color;
  platform::FontDialogState font;
  bool confirmed = false;
};

class SimDialogs : public platform::Dialogs {
 public:
  SimDialogs(SimLog& log, const SimCodePages& codePages) : log_(log), codePages_(codePages) {}

  // Script threads show boxes too, so the queue and the record are locked.
  void QueueAnswer(int button) {
    std::lock_guard lock(mutex_);
    answers_.push_back(button);
  }
  // Read after the threads that show boxes are done.
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;

  void QueueDialogAnswer(DialogAnswer answer) {
    std::lock_guard lock(mutex_);
    dialogAnswers_.push_back(std::move(answer));
  }
  const std::vector<ShownDialog>& DialogsShown() const { return dialogsShown_; }

  bool ShowOpenDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowSaveDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowFolderDialog(platform::Window* owner, platform::FolderDialogState& state) override;
  bool ShowColorDialog(platform::Window* owner, platform::ColorDialogState& state) override;
  bool ShowFontDialog(platform::Window* owner, platform::FontDialogState& state) override;

  // The button a box with these flags offers first.
  static int FirstButton(unsigned flags);

 private:
  SimLog& log_;
  const SimCodePages& codePages_;
  std::mutex mutex_;
  std::deque<int> answers_;
  std::vector<ShownMessageBox> shown_;
  std::deque<DialogAnswer> dialogAnswers_;
  std::vector<ShownDialog> dialogsShown_;
  // The next answer when it is of that kind; a cancel, an answer of
  // another kind or none cancels the dialog (and is logged).
  bool TakeAnswer(const std::string& dialog, DialogAnswer::Kind kind, DialogAnswer& out);
  bool ShowFileDialog(const std::string& kind, platform::FileDialogState& state);
};

}  // namespace vx::sim
