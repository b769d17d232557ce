#pragma once
// The small simulated services: fonts, key state, the process, hosted
// controls. Each keeps the state a test sets up or asserts on.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fonts.h"
#include "platform/hosted.h"
#include "platform/input.h"
#include "platform/process.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_loop.h"

namespace vx::sim {

// Installed font files are real for the text drawing: their bytes are
// copied to a private folder of the process and added to the fontconfig
// set that Pango uses, and taken away again on removal and at the end.
class SimFonts : public platform::Fonts {
 public:
  SimFonts(SimLog& log, SimFiles& files) : log_(log), files_(files) {}
  ~SimFonts() override;
  SimFonts(const SimFonts&) = delete;
  SimFonts& operator=(const SimFonts&) = delete;
  // The real file behind an installed font of the simulated disk, or empty
  // (not installed, or not a font fontconfig reads).
  std::string RealFontFile(const std::string& path) const;
  // Font files the system refuses.
  void Refuse(const std::string& path) { refused_.insert(path); }
  // Off: installed fonts are only recorded, nothing is written to the real
  // disk and the drawing does not know them (the fuzzers, which must not
  // touch the real disk).
  void UseRealFontFiles(bool on) { realFontFiles_ = on; }
  const std::multiset<std::string>& Installed() const { return installed_; }

  bool InstallFontFile(const std::string& path) override;
  bool RemoveFontFile(const std::string& path) override;
  // A cursor file of the simulated disk: "\0\0\2\0" for a static cursor,
  // "RIFF" .. "ACON" for an animated one.
  bool LoadCursorFile(int cursorNumber, const std::string& path) override;
  // The file loaded as that cursor number, or empty.
  std::string CustomCursor(int cursorNumber) const;

 private:
  SimLog& log_;
  SimFiles& files_;
  void Unregister(const std::string& path);

  std::map<int, std::string> cursors_;
  std::multiset<std::string> installed_;
  std::string realFolder_;
  std::map<std::string, std::string> realFiles_;  // simulated path -> real file
  int realCount_ = 0;
  bool realFontFiles_ = true;
  std::set<std::string> refused_;
};

class SimInput : public platform::Input {
 public:
  void SetKeyDown(int virtualKey, bool down);
  // A toggle key (Caps Lock) that is lit but not held.
  void SetToggled(int virtualKey, bool on);
  bool IsToggled(int virtualKey) const { return toggled_.count(virtualKey) != 0; }

  void SetCursorPos(platform::Point screen) { cursor_ = screen; }

  bool IsKeyDown(int virtualKey) override { return down_.count(virtualKey) != 0; }
  std::int16_t KeyState(int virtualKey) override;
  platform::Point CursorPos() override { return cursor_; }
  // Layouts are known when their name is eight hexadecimal digits.
  bool SwitchKeyboardLayout(const std::string& name) override;
  std::string KeyboardLayout() const { return layout_; }

 private:
  std::set<int> down_;
  std::set<int> toggled_;
  platform::Point cursor_;
  std::string layout_ = "00000409";
};

class SimProcess : public platform::Process {
 public:
  SimProcess(SimLog& log, SimLoop& loop, SimCodePages& codePages)
      : log_(log), loop_(loop), codePages_(codePages) {}

  // As the system has it, UTF-8.
  void SetCommandLine(std::string line) { commandLine_ = std::move(line); }
  void SetMemory(platform::MemoryStatus status) { memory_ = status; }
  void SetOnline(bool online) { online_ = online; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  // The exit code once the process has ended, else -1.
  int ExitCode() const { return exitCode_; }

  [[noreturn]] void Terminate(int exitCode) override;
  std::uint32_t RandomSeed() override { return seed_; }
  std::string CommandLine() override { return codePages_.FromSystem(commandLine_); }
  unsigned SystemCodePage() override { return codePages_.System(); }
  bool UseTextCodePage(unsigned codePage) override { return codePages_.Use(codePage); }
  platform::MemoryStatus QueryMemory() override { return memory_; }
  bool IsOnline() override { return online_; }
  void ShellOpen(const std::string& file, const std::string& parameters, int showMode) override {
    log_.Add("shell open " + file + " " + parameters + " show " + std::to_string(showMode));
    shellOpened_.push_back(codePages_.ToSystem(file) + " " + codePages_.ToSystem(parameters));
  }
  // What the shell was given, UTF-8: file, a blank, parameters.
  const std::vector<std::string>& ShellOpened() const { return shellOpened_; }
  void SendMciCommand(const std::string& command) override { log_.Add("mci " + command); }
  void PlaySystemSound(unsigned kind) override { log_.Add("system sound " + std::to_string(kind)); }
  // The calling thread waits as long as the tone lasts.
  void SoundSpeaker(unsigned frequency, unsigned duration) override;

 private:
  SimLog& log_;
  SimLoop& loop_;
  SimCodePages& codePages_;
  std::vector<std::string> shellOpened_;
  std::string commandLine_ = "\"C:\\Program Files\\Presentation\\presentation.exe\"";
  platform::MemoryStatus memory_{std::uint64_t{512} << 20, std::uint64_t{256} << 20};
  bool online_ = false;
  std::uint32_t seed_ = 12345;
  int exitCode_ = -1;
};


}  // namespace vx::sim
