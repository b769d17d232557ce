#pragma once
// The small Windows services: message boxes, fonts, key state, the process,
// hosted controls.

#include <map>

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/hosted.h"
#include "platform/input.h"
#include "platform/process.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class Win32Dialogs : public platform::Dialogs {
 public:
  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  // win32_dialogs.cpp: the common dialogs and the shell's folder browser.
  bool ShowOpenDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowSaveDialog(platform::Window* owner, platform::FileDialogState& state) override;
  bool ShowFolderDialog(platform::Window* owner, platform::FolderDialogState& state) override;
  bool ShowColorDialog(platform::Window* owner, platform::ColorDialogState& state) override;
  bool ShowFontDialog(platform::Window* owner, platform::FontDialogState& state) override;
};

class Win32Fonts : public platform::Fonts {
 public:
  bool InstallFontFile(const std::string& path) override;
  bool RemoveFontFile(const std::string& path) override;
  bool LoadCursorFile(int cursorNumber, const std::string& path) override;
  // A cursor loaded from a file, or null.
  HCURSOR CustomCursor(int cursorNumber) const;

 private:
  std::map<int, HCURSOR> cursors_;
};

class Win32Input : public platform::Input {
 public:
  bool IsKeyDown(int virtualKey) override;
  std::int16_t KeyState(int virtualKey) override;
  platform::Point CursorPos() override;
  bool SwitchKeyboardLayout(const std::string& name) override;
};

class Win32Process : public platform::Process {
 public:
  [[noreturn]] void Terminate(int exitCode) override;
  std::uint32_t RandomSeed() override;
  std::string CommandLine() override;
  unsigned SystemCodePage() override;
  bool UseTextCodePage(unsigned codePage) override;
  platform::MemoryStatus QueryMemory() override;
  bool IsOnline() override;
  void ShellOpen(const std::string& file, const std::string& parameters, int showMode) override;
  void SendMciCommand(const std::string& command) override;
  void PlaySystemSound(unsigned kind) override;
  void SoundSpeaker(unsigned frequency, unsigned duration) override;
};


}  // namespace vx::win32
