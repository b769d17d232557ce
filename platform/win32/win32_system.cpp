#include "platform/win32/win32_system.h"

#include <iterator>

#include <objbase.h>
#include <shellapi.h>
#include <mmsystem.h>
#include <wininet.h>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_text.h"

namespace vx::win32 {

int Win32Dialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  const int answer = MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), flags);
  Trace("msgbox [" + caption + "] " + text + " -> " + std::to_string(answer));
  return answer;
}

bool Win32Fonts::InstallFontFile(const std::string& path) {
  if (AddFontResourceW(Widen(path).c_str()) == 0) return false;
  // Posted, not sent: a hung window elsewhere must not hang the player.
  PostMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
  Trace("font installed " + path);
  return true;
}

bool Win32Fonts::RemoveFontFile(const std::string& path) {
  if (!RemoveFontResourceW(Widen(path).c_str())) return false;
  PostMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
  Trace("font removed " + path);
  return true;
}

bool Win32Input::IsKeyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

void Win32Process::Terminate(int exitCode) {
  Trace("exit " + std::to_string(exitCode));
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
  ExitProcess(static_cast<UINT>(exitCode));
}

std::uint32_t Win32Process::RandomSeed() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::uint32_t>(counter.QuadPart) ^ GetTickCount() ^ GetCurrentProcessId();
}

std::string Win32Process::CommandLine() { return Narrow(GetCommandLineW()); }

unsigned Win32Process::SystemCodePage() { return GetACP(); }

bool Win32Process::UseTextCodePage(unsigned codePage) {
  if (!win32::UseTextCodePage(codePage)) return false;
  Trace("code page " + std::to_string(codePage));
  return true;
}

platform::MemoryStatus Win32Process::QueryMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return {};
  return {status.ullTotalPhys, status.ullAvailPhys};
}

bool Win32Process::IsOnline() {
  DWORD flags = 0;
  return InternetGetConnectedState(&flags, 0) != FALSE;
}

void Win32Process::ShellOpen(const std::string& file, const std::string& parameters, int showMode) {
  ShellExecuteW(nullptr, nullptr, Widen(file).c_str(), Widen(parameters).c_str(), nullptr, showMode);
  Trace("shell open " + file + " " + parameters + " show " + std::to_string(showMode));
}

void Win32Process::SendMciCommand(const std::string& command) {
  Trace("mci " + command);
  // As mciExecute, which has no wide form: a failure shows the interpreter's
  // message.
  const MCIERROR failure = mciSendStringW(Widen(command).c_str(), nullptr, 0, nullptr);
  if (failure == 0) return;
  wchar_t message[256] = {};
  if (!mciGetErrorStringW(failure, message, static_cast<UINT>(std::size(message)))) return;
  MessageBoxW(nullptr, message, L"Error in mciExecute", MB_OK);
}

void Win32Process::PlaySystemSound(unsigned kind) {
  Trace("system sound " + std::to_string(kind));
  MessageBeep(kind);
}

void Win32Process::SoundSpeaker(unsigned frequency, unsigned duration) {
  Trace("speaker " + std::to_string(frequency) + " Hz " + std::to_string(duration) + " ms");
  Beep(frequency, duration);
}

bool Win32Input::SwitchKeyboardLayout(const std::string& name) {
  return LoadKeyboardLayoutW(Widen(name).c_str(), KLF_ACTIVATE) != nullptr;
}


}  // namespace vx::win32
