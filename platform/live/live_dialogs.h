#pragma once
// The dialogs of the native player: message boxes and the standard dialogs
// (file open and save, folder, colour, font) as dialogs of the desktop, their
// answers in the runtime's forms (dialog_answers.h), logged as the simulated
// desktop logs them.

#include <gtk/gtk.h>

#include <functional>

#include "platform/dialogs.h"
#include "platform/live/dialog_answers.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

class LiveDialogs : public platform::Dialogs {
 public:
  // parent: the host window once there is one, else null. disk: where a
  // file chosen outside the virtual disk is copied so the runtime can read it.
  LiveDialogs(sim::SimLog& log, const sim::SimCodePages& codePages, sim::SimFiles& disk, ChooserPlaces places,
              std::function<GtkWindow*()> parent)
      : log_(log), codePages_(codePages), disk_(disk), places_(std::move(places)), parent_(std::move(parent)) {}

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  bool ShowOpenDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowSaveDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowFolderDialog(platform::Window* owner, platform::FolderDialogState& state) override;
  bool ShowColorDialog(platform::Window* owner, platform::ColorDialogState& state) override;
  bool ShowFontDialog(platform::Window* owner, platform::FontDialogState& state) override;

 private:
  bool ShowFileDialog(bool save, platform::FileDialogState& state);
  // Copies a chosen file from outside onto the virtual disk; false when it
  // cannot be read.
  bool BringOntoDisk(const std::string& realPath, const std::string& virtualPath);

  sim::SimLog& log_;
  const sim::SimCodePages& codePages_;
  sim::SimFiles& disk_;
  ChooserPlaces places_;
  std::function<GtkWindow*()> parent_;
};

}  // namespace vx::live
