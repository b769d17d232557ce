#pragma once
// The dialogs of the native player: message boxes as dialogs of the desktop
// (message_dialog.h), logged as the simulated desktop logs them; the
// standard dialogs still as the simulated desktop answers them (cancelled).

#include <gtk/gtk.h>

#include <functional>

#include "platform/dialogs.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

class LiveDialogs : public platform::Dialogs {
 public:
  // parent: the host window once there is one, else null.
  LiveDialogs(sim::SimDialogs& sim, sim::SimLog& log, std::function<GtkWindow*()> parent)
      : sim_(sim), log_(log), parent_(std::move(parent)) {}

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  bool ShowOpenDialog(platform::Window* owner, platform::FileDialogState& state) override {
    return sim_.ShowOpenDialog(owner, state);
  }
  bool ShowSaveDialog(platform::Window* owner, platform::FileDialogState& state) override {
    return sim_.ShowSaveDialog(owner, state);
  }
  bool ShowFolderDialog(platform::Window* owner, platform::FolderDialogState& state) override {
    return sim_.ShowFolderDialog(owner, state);
  }
  bool ShowColorDialog(platform::Window* owner, platform::ColorDialogState& state) override {
    return sim_.ShowColorDialog(owner, state);
  }
  bool ShowFontDialog(platform::Window* owner, platform::FontDialogState& state) override {
    return sim_.ShowFontDialog(owner, state);
  }

 private:
  sim::SimDialogs& sim_;
  sim::SimLog& log_;
  std::function<GtkWindow*()> parent_;
};

}  // namespace vx::live
