#include "platform/sim/sim_system.h"

namespace vx::sim {

bool SimFonts::InstallFontFile(const std::string& path) {
  if (refused_.count(path)) return false;
  installed_.insert(path);
  log_.Add("font installed " + path);
  return true;
}

bool SimFonts::RemoveFontFile(const std::string& path) {
  auto it = installed_.find(path);
  if (it == installed_.end()) return false;
  installed_.erase(it);
  log_.Add("font removed " + path);
  return true;
}

void SimInput::SetKeyDown(int virtualKey, bool down) {
  if (down)
    down_.insert(virtualKey);
  else
    down_.erase(virtualKey);
}

std::int16_t SimInput::KeyState(int virtualKey) {
  int state = 0;
  if (IsKeyDown(virtualKey)) state |= 0x8000;
  if (IsToggled(virtualKey)) state |= 1;
  return static_cast<std::int16_t>(state > 0x7FFF ? state - 0x10000 : state);
}

void SimInput::SetToggled(int virtualKey, bool on) {
  if (on)
    toggled_.insert(virtualKey);
  else
    toggled_.erase(virtualKey);
}

void SimProcess::Terminate(int exitCode) {
  exitCode_ = exitCode;
  log_.Add("exit " + std::to_string(exitCode));
  throw ProcessExited{exitCode};
}

namespace {
class SimFlashPlayer : public platform::FlashPlayer {
 public:
  void SetVisible(bool visible) override { visible_ = visible; }

 private:
  bool visible_ = true;
};
}  // namespace

std::unique_ptr<platform::FlashPlayer> SimHosted::CreateFlashPlayer(platform::Window&) {
  if (!flashInstalled_) return nullptr;
  return std::make_unique<SimFlashPlayer>();
}

}  // namespace vx::sim
