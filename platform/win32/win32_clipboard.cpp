#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/win32_common.h"

namespace vx::win32 {

std::string Win32Clipboard::Text() {
  if (!OpenClipboard(nullptr)) ThrowLastError("Cannot open clipboard");
  std::string out;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      out.assign(text, strnlen(text, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

void Win32Clipboard::SetText(const std::string& text) {
  if (!OpenClipboard(nullptr)) ThrowLastError("Cannot open clipboard");
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (memory) {
    if (char* target = static_cast<char*>(GlobalLock(memory))) {
      std::memcpy(target, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void Win32Clipboard::Clear() {
  if (!OpenClipboard(nullptr)) return;  // another program holds it; try on the next tick
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace vx::win32
