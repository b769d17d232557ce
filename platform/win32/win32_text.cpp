#include "platform/win32/win32_text.h"

#include <atomic>

namespace vx::win32 {

namespace {

// The backend's copy of the process's decision: Widen and Narrow are called
// from window procedures and script threads that have no other way to it.
// Set once at start-up, before any text crosses.
std::atomic<UINT> chosenCodePage{0};

UINT Current() {
  const UINT chosen = chosenCodePage.load(std::memory_order_relaxed);
  return chosen != 0 ? chosen : GetACP();
}

std::wstring FromCodePage(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), n);
  return out;
}

std::string ToCodePage(std::wstring_view text, UINT codePage) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring Widen(std::string_view text) { return FromCodePage(text, Current()); }

std::wstring WidenForCharset(std::string_view text, BYTE charset) {
  if (charset == DEFAULT_CHARSET) return Widen(text);
  CHARSETINFO info{};
  const auto source = reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(charset));
  if (!TranslateCharsetInfo(source, &info, TCI_SRCCHARSET) || !IsValidCodePage(info.ciACP)) return Widen(text);
  return FromCodePage(text, info.ciACP);
}

std::string Narrow(std::wstring_view text) { return ToCodePage(text, Current()); }

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return Narrow(text);
}

void SetWindowTextOf(HWND hwnd, std::string_view text) { SetWindowTextW(hwnd, Widen(text).c_str()); }

wchar_t WidenChar(char c) {
  if (c == '\0') return L'\0';
  const std::wstring wide = Widen(std::string_view(&c, 1));
  return wide.empty() ? L'\0' : wide.front();
}

std::string ToUtf8(std::wstring_view text) { return ToCodePage(text, CP_UTF8); }

bool UseTextCodePage(UINT codePage) {
  if (!IsValidCodePage(codePage)) return false;
  chosenCodePage.store(codePage, std::memory_order_relaxed);
  return true;
}

UINT TextCodePage() { return Current(); }

}  // namespace vx::win32
