#pragma once
// The process services of the native player: the simulated ones, but a
// document the presentation opens (command 21) goes to the desktop's
// default application after the person allows it once per run; Windows
// programs are never started (a message says why).

#include <gtk/gtk.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "platform/live/sandboxed_files.h"
#include "platform/process.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

class LiveProcess : public platform::Process {
 public:
  // openFolder: where a document that lives only on the virtual disk is
  // written for the desktop to open (inside the data folder).
  LiveProcess(platform::Process& sim, sim::SimLog& log, const sim::SimCodePages& codePages, SandboxedFiles& files,
              std::string openFolder, std::function<GtkWindow*()> parent)
      : sim_(sim),
        log_(log),
        codePages_(codePages),
        files_(files),
        openFolder_(std::move(openFolder)),
        parent_(std::move(parent)) {}

  // The simulated end throws; nothing comes back from it.
  [[noreturn]] void Terminate(int exitCode) override {
    sim_.Terminate(exitCode);
    std::abort();
  }
  std::uint32_t RandomSeed() override { return sim_.RandomSeed(); }
  std::string CommandLine() override { return sim_.CommandLine(); }
  unsigned SystemCodePage() override { return sim_.SystemCodePage(); }
  bool UseTextCodePage(unsigned codePage) override { return sim_.UseTextCodePage(codePage); }
  platform::MemoryStatus QueryMemory() override { return sim_.QueryMemory(); }
  bool IsOnline() override { return sim_.IsOnline(); }
  void ShellOpen(const std::string& file, const std::string& parameters, int showMode) override;
  void SendMciCommand(const std::string& command) override { sim_.SendMciCommand(command); }
  void PlaySystemSound(unsigned kind) override { sim_.PlaySystemSound(kind); }
  void SoundSpeaker(unsigned frequency, unsigned duration) override { sim_.SoundSpeaker(frequency, duration); }

 private:
  // The address the desktop opens for the document, or nothing when it is
  // on neither the real folder nor the virtual disk.
  std::optional<std::string> UriOf(const std::string& document);
  int Ask(const std::string& text, unsigned flags);

  platform::Process& sim_;
  sim::SimLog& log_;
  const sim::SimCodePages& codePages_;
  SandboxedFiles& files_;
  std::string openFolder_;
  std::function<GtkWindow*()> parent_;
  std::optional<bool> allowed_;  // the person's answer, for the whole run
};

}  // namespace vx::live
