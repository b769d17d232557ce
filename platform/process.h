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
  virtual std::string CommandLine() = 0;
  virtual MemoryStatus QueryMemory() = 0;
  // An internet connection of any kind is up.
  virtual bool IsOnline() = 0;
  // Hands file to the shell with its default verb and no working folder;
  // showMode is a Win32 show-window value. Whether it started is not told.
  virtual void ShellOpen(const std::string& file, const std::string& parameters, int showMode) = 0;
};

}  // namespace vx::platform
