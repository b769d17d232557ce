#include "platform/sim/sim_dialogs.h"

#include "util/conversions.h"

namespace vx::sim {

namespace mb = platform::mb;

int SimDialogs::FirstButton(unsigned flags) {
  static constexpr int kFirst[] = {
      mb::IdOk,     // Ok
      mb::IdOk,     // OkCancel
      mb::IdAbort,  // AbortRetryIgnore
      mb::IdYes,    // YesNoCancel
      mb::IdYes,    // YesNo
      mb::IdRetry,  // RetryCancel
      mb::IdCancel, // CancelTryContinue
  };
  const unsigned buttons = flags & 0xF;
  return buttons < std::size(kFirst) ? kFirst[buttons] : mb::IdOk;
}

int SimDialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  std::lock_guard lock(mutex_);
  int answer = FirstButton(flags);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  shown_.push_back({text, caption, flags, answer});
  log_.Add("msgbox [" + caption + "] " + text + " -> " + std::to_string(answer));
  return answer;
}

}  // namespace vx::sim

namespace vx::sim {

namespace {

std::string Joined(const std::vector<std::string>& files) {
  std::string out;
  for (const std::string& f : files) out += (out.empty() ? "" : " | ") + f;
  return out;
}

bool HasExtension(const std::string& path) {
  const auto slash = path.find_last_of("\\/:");
  const auto dot = path.rfind('.');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

}  // namespace

bool SimDialogs::TakeAnswer(const std::string& dialog, DialogAnswer::Kind kind, DialogAnswer& out) {
  if (dialogAnswers_.empty()) {
    log_.Add(dialog + " dialog cancelled (no answer)");
    return false;
  }
  out = std::move(dialogAnswers_.front());
  dialogAnswers_.pop_front();
  if (out.kind == kind) return true;
  log_.Add(dialog + (out.kind == DialogAnswer::Kind::Cancel ? " dialog cancelled" : " dialog cancelled (another answer)"));
  return false;
}

bool SimDialogs::ShowFileDialog(const std::string& kind, platform::FileDialogState& state) {
  std::lock_guard lock(mutex_);
  dialogsShown_.push_back({kind, state, {}, {}, {}, false});
  log_.Add(kind + " dialog [" + state.filter + "] " + state.initialFolder + " " + state.fileName);
  DialogAnswer answer;
  if (!TakeAnswer(kind, DialogAnswer::Kind::Files, answer) || answer.files.empty()) return false;
  std::vector<std::string> files;
  for (const std::string& f : answer.files) files.push_back(codePages_.FromSystem(f));
  if (!state.multiSelect) files.resize(1);
  if (!state.defaultExtension.empty())
    for (std::string& f : files)
      if (!HasExtension(f)) f += "." + state.defaultExtension;
  state.files = files;
  state.fileName = files.front();
  dialogsShown_.back().confirmed = true;
  log_.Add(kind + " dialog -> " + Joined(files));
  return true;
}

bool SimDialogs::ShowOpenDialog(platform::Window*, platform::FileDialogState& state) {
  return ShowFileDialog("open", state);
}

bool SimDialogs::ShowSaveDialog(platform::Window*, platform::FileDialogState& state) {
  return ShowFileDialog("save", state);
}

bool SimDialogs::ShowFolderDialog(platform::Window*, platform::FolderDialogState& state) {
  std::lock_guard lock(mutex_);
  dialogsShown_.push_back({"folder", {}, state, {}, {}, false});
  log_.Add("folder dialog [" + state.caption + "] " + state.text + " " + state.folder);
  DialogAnswer answer;
  if (!TakeAnswer("folder", DialogAnswer::Kind::Folder, answer)) return false;
  state.folder = codePages_.FromSystem(answer.folder);
  dialogsShown_.back().confirmed = true;
  log_.Add("folder dialog -> " + state.folder);
  return true;
}

bool SimDialogs::ShowColorDialog(platform::Window*, platform::ColorDialogState& state) {
  std::lock_guard lock(mutex_);
  dialogsShown_.push_back({"color", {}, {}, state, {}, false});
  log_.Add("color dialog " + ColorToHex(state.color));
  DialogAnswer answer;
  if (!TakeAnswer("color", DialogAnswer::Kind::Color, answer)) return false;
  state.color = answer.color;
  dialogsShown_.back().confirmed = true;
  log_.Add("color dialog -> " + ColorToHex(answer.color));
  return true;
}

bool SimDialogs::ShowFontDialog(platform::Window*, platform::FontDialogState& state) {
  std::lock_guard lock(mutex_);
  dialogsShown_.push_back({"font", {}, {}, {}, state, false});
  log_.Add("font dialog " + state.font.name + " " + std::to_string(state.font.size));
  DialogAnswer answer;
  if (!TakeAnswer("font", DialogAnswer::Kind::Font, answer)) return false;
  state.font = answer.font;
  state.font.name = codePages_.FromSystem(answer.font.name);
  state.color = answer.color;
  dialogsShown_.back().confirmed = true;
  log_.Add("font dialog -> " + state.font.name + " " + std::to_string(answer.font.size));
  return true;
}

}  // namespace vx::sim
