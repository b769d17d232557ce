#include "util/services.h"

namespace vx {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}
}  // namespace

platform::Window* FindFormByName(platform::Forms& forms, std::string_view name) {
  for (platform::Window* window : forms.TopLevelWindows())
    if (SameText(window->Name(), name)) return window;
  return nullptr;
}

void CenterForm(platform::Platform& platform, std::string_view name) {
  platform::Window* window = FindFormByName(platform.forms, name);
  if (window == nullptr) return;
  const platform::Rect area = platform.display.WorkArea();
  platform::Rect bounds = window->Bounds();
  bounds.left = area.left + area.width / 2 - bounds.width / 2;
  bounds.top = area.top + area.height / 2 - bounds.height / 2;
  window->SetBounds(bounds);
}

bool IsKeyDown(platform::Input& input, int virtualKey) { return input.IsKeyDown(virtualKey); }

void ShowError(platform::Platform& platform, const std::string& title, const std::string& message,
               bool halt) {
  platform.dialogs.ShowMessageBox(message, title, platform::mb::Ok | platform::mb::IconError);
  if (halt) platform.process.Terminate(1);
}

void InstallFont(platform::Fonts& fonts, const std::string& fileName) { fonts.InstallFontFile(fileName); }

void UninstallFont(platform::Fonts& fonts, const std::string& fileName) { fonts.RemoveFontFile(fileName); }

void KillWindowProcess(platform::Platform& platform, const platform::Window* window) {
  if (window != nullptr && platform.forms.IsLive(window)) platform.process.Terminate(1);
}

bool IsOnline(platform::Process& process) { return process.IsOnline(); }

}  // namespace vx
