#include "platform/sim/sim_system.h"

#include "util/error.h"

namespace vx::sim {

bool SimFonts::LoadCursorFile(int cursorNumber, const std::string& path) {
  std::string bytes;
  try {
    bytes = platform::ReadWholeFile(files_, path);
  } catch (const Error&) {
    return false;
  }
  const bool still = bytes.size() >= 6 && bytes.compare(0, 4, std::string("\0\0\2\0", 4)) == 0;
  const bool animated = bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "ACON") == 0;
  if (!still && !animated) return false;
  cursors_[cursorNumber] = path;
  log_.Add("cursor " + std::to_string(cursorNumber) + " " + path);
  return true;
}

std::string SimFonts::CustomCursor(int cursorNumber) const {
  const auto it = cursors_.find(cursorNumber);
  return it == cursors_.end() ? std::string() : it->second;
}

}  // namespace vx::sim
