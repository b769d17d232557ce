#include "platform/live/live_process.h"

#include <filesystem>
#include <fstream>

#include "platform/dialogs.h"
#include "platform/live/message_dialog.h"
#include "platform/live/shell_request.h"
#include "platform/sim/sim_files.h"

namespace vx::live {

namespace fs = std::filesystem;

int LiveProcess::Ask(const std::string& text, unsigned flags) {
  // The document's name is the presentation's bytes; the rest is ours.
  return AskWithMessageDialog(parent_ ? parent_() : nullptr, codePages_.ToSystem(text), "vxplay", flags);
}

std::optional<std::string> LiveProcess::UriOf(const std::string& document) {
  if (IsAddress(document)) return document;
  if (!files_.FileExists(document)) return std::nullopt;
  std::string real;
  if (auto beside = files_.BesideRealPath(document)) {
    real = *beside;
  } else {
    // Only the virtual disk has it: a copy in the data folder, under its
    // own name, is what the desktop gets.
    std::string name = sim::SimFiles::Key(document);
    const auto slash = name.find_last_of("\\:");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    if (name.empty() || name.find_first_not_of('.') == std::string::npos) return std::nullopt;
    std::error_code error;
    fs::create_directories(openFolder_, error);
    real = (fs::path(openFolder_) / name).string();
    std::ofstream out(real, std::ios::binary | std::ios::trunc);
    const std::string bytes = files_.Disk().Contents(document);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return std::nullopt;
  }
  gchar* uri = g_filename_to_uri(real.c_str(), nullptr, nullptr);
  if (uri == nullptr) return std::nullopt;
  std::string out = uri;
  g_free(uri);
  return out;
}

void LiveProcess::ShellOpen(const std::string& file, const std::string& parameters, int showMode) {
  log_.Add("shell open " + file + " " + parameters + " show " + std::to_string(showMode));
  const auto request = ShellRequestOf(file, parameters);
  if (!request) {
    log_.Add("shell open refused: no document named");
    return;
  }
  if (IsWindowsProgram(request->document)) {
    log_.Add("shell open refused: " + request->document + " is a Windows program");
    Ask("The presentation asked to start the Windows program \"" + request->document +
            "\".\n\nWindows programs are not started by the native player: it plays presentations only.",
        platform::mb::Ok | platform::mb::IconInformation);
    return;
  }
  if (!allowed_) {
    allowed_ = Ask("The presentation asks to open \"" + request->document +
                       "\" with your desktop's default application.\n\nAllow this for the rest of the presentation?",
                   platform::mb::YesNo | platform::mb::IconQuestion) == platform::mb::IdYes;
  }
  if (!*allowed_) {
    log_.Add("shell open refused by the person");
    return;
  }
  const auto uri = UriOf(request->document);
  if (!uri) {
    log_.Add("shell open: " + request->document + " not found");
    return;
  }
  GError* error = nullptr;
  if (g_app_info_launch_default_for_uri(uri->c_str(), nullptr, &error)) {
    log_.Add("shell open -> " + *uri);
  } else {
    log_.Add("shell open failed: " + std::string(error != nullptr ? error->message : "no application"));
    if (error != nullptr) g_error_free(error);
  }
}

}  // namespace vx::live
