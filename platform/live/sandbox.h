#pragma once
// The native player's sandbox: the presentation's virtual disk and registry
// kept in its data folder (sandbox_paths.h) between runs. Nothing is
// written anywhere but the data folder.

#include <string>

#include "platform/live/sandboxed_files.h"
#include "platform/sim/sim_registry.h"

namespace vx::live {

class Sandbox {
 public:
  explicit Sandbox(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

  // Puts what earlier runs kept on the disk and in the registry. Throws
  // std::runtime_error when the data folder cannot be read.
  void Load(SandboxedFiles& files, sim::SimRegistry& registry) const;
  // Keeps the disk (but the temporary folder, the own executable and the
  // files read from beside it unchanged) and the registry; files gone from
  // the disk go from the data folder. Throws std::runtime_error when it
  // cannot be written.
  void Save(SandboxedFiles& files, const sim::SimRegistry& registry) const;

  const std::string& DataFolder() const { return dataFolder_; }

 private:
  std::string dataFolder_;
};

}  // namespace vx::live
