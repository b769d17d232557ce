#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"

namespace vx::win32 {

bool Win32Fonts::LoadCursorFile(int cursorNumber, const std::string& path) {
  // LoadCursorFromFile reads both static and animated cursors.
  const HCURSOR cursor = LoadCursorFromFileW(Widen(path).c_str());
  if (cursor == nullptr) return false;
  cursors_[cursorNumber] = cursor;
  return true;
}

HCURSOR Win32Fonts::CustomCursor(int cursorNumber) const {
  const auto it = cursors_.find(cursorNumber);
  return it == cursors_.end() ? nullptr : it->second;
}

}  // namespace vx::win32
