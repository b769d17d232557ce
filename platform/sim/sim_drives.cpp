// Drives of the simulated desktop.

#include "platform/sim/sim_files.h"

namespace vx::sim {

namespace {

char UpperLetter(const std::string& root) {
  if (root.empty()) return '\0';
  char c = root[0];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return c;
}

}  // namespace

void SimFiles::SetDrive(char letter, platform::DriveKind kind,
                        std::optional<platform::DriveSpace> space) {
  drives_[UpperLetter(std::string(1, letter))] = {kind, space};
}

platform::DriveKind SimFiles::DriveKindOf(const std::string& root) {
  const auto it = drives_.find(UpperLetter(root));
  return it == drives_.end() ? platform::DriveKind::NoRootDir : it->second.kind;
}

std::optional<platform::DriveSpace> SimFiles::DriveSpaceOf(const std::string& root) {
  const auto it = drives_.find(UpperLetter(root));
  if (it == drives_.end()) return std::nullopt;
  return it->second.space;
}

}  // namespace vx::sim
