#include "platform/win32/win32_clipboard.h"

#include <cstring>
#include <cwchar>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_text.h"

namespace vx::win32 {

std::string Win32Clipboard::Text() {
  if (!OpenClipboard(nullptr)) ThrowLastError("Cannot open clipboard");
  std::string out;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      out = Narrow(std::wstring_view(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t))));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

void Win32Clipboard::SetText(const std::string& text) {
  if (!OpenClipboard(nullptr)) ThrowLastError("Cannot open clipboard");
  EmptyClipboard();
  const std::wstring wide = Widen(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (memory) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, wide.c_str(), bytes);
      GlobalUnlock(memory);
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
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
