#pragma once
// The process itself and what the operating system tells about the machine.

#include <cstdint>
#include <string>

namespace vx::platform {

struct MemoryStatus {
  std::uint64_t totalPhysical = 0;
  std::uint64_t availablePhysical = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once, without the usual finalisation.
  [[noreturn]] virtual void Terminate(int exitCode) = 0;
  // A seed for the random generator (fixed on the sim backend).
  virtual std::uint32_t RandomSeed() = 0;
  // In the code page given to UseTextCodePage.
  virtual std::string CommandLine() = 0;
  // The system's own 8-bit (ANSI) code page.
  virtual unsigned SystemCodePage() = 0;
  // From now on every text crossing to or from the system is converted with
  // this code page. False, and nothing changes, for one the backend cannot
  // convert.
  virtual bool UseTextCodePage(unsigned codePage) = 0;
  virtual MemoryStatus QueryMemory() = 0;
  // An internet connection of any kind is up.
  virtual bool IsOnline() = 0;
  // Hands file to the shell with its default verb and no working folder;
  // showMode is a Win32 show-window value. Whether it started is not told.
  virtual void ShellOpen(const std::string& file, const std::string& parameters, int showMode) = 0;

  // Hands a command string to the multimedia command interpreter, which
  // shows its own box when the command fails.
  virtual void SendMciCommand(const std::string& command) = 0;
  // The system sound of a message-box kind (0x10 error, 0x40 information,
  // ... 0xFFFFFFFF the simple beep); returns at once.
  virtual void PlaySystemSound(unsigned kind) = 0;
  // The speaker at frequency Hz for duration ms; returns when it is done.
  virtual void SoundSpeaker(unsigned frequency, unsigned duration) = 0;
};

}  // namespace vx::platform
