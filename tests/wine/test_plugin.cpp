// A media plug-in for the Wine scenario "plugin": it exports the whole
// plug-in interface, writes one line per call to plugin-calls.txt beside
// itself, and shows a child window of the host, orange, of the size its
// last Draw gave. With plugin-fault.txt beside it, SetParentWindow records
// its call and then writes through a null pointer: a real access violation
// of the library's own code; with plugin-fault-getdata.txt, GetData does.
//
// Built for the player's architecture; nothing of the C++ library is used,
// so the library needs no runtime beside it.

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {

HINSTANCE instance = nullptr;
HWND child = nullptr;
wchar_t callsFile[MAX_PATH] = {};
wchar_t faultMarker[MAX_PATH] = {};
wchar_t getDataFaultMarker[MAX_PATH] = {};
const wchar_t kChildClass[] = L"VXTestPluginPane";
// The colour the scenario looks for.
const COLORREF kOrange = RGB(255, 128, 0);

void Record(const char* line) {
  HANDLE f = CreateFileW(callsFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr);
  WriteFile(f, "\r\n", 2, &written, nullptr);
  CloseHandle(f);
}

LRESULT CALLBACK PaneProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(kOrange);
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FaultIfMarked(const wchar_t* marker) {
  if (GetFileAttributesW(marker) == INVALID_FILE_ATTRIBUTES) return;
  // Volatile both ways: the compiler must emit the store, not a trap.
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

}  // namespace

extern "C" {

__declspec(dllexport) void __cdecl SetParentWindow(HWND host) {
  char line[64];
  std::snprintf(line, sizeof line, "SetParentWindow %llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(host)));
  Record(line);
  FaultIfMarked(faultMarker);
  WNDCLASSW wc{};
  wc.lpfnWndProc = PaneProc;
  wc.hInstance = instance;
  wc.lpszClassName = kChildClass;
  RegisterClassW(&wc);
  child = CreateWindowExW(0, kChildClass, L"", WS_CHILD, 0, 0, 0, 0, host, nullptr, instance, nullptr);
}

__declspec(dllexport) void __cdecl Draw(HDC dc, int x, int y, int width, int height) {
  char line[96];
  std::snprintf(line, sizeof line, "Draw %s %d %d %d %d", dc != nullptr ? "dc" : "null", x, y, width, height);
  Record(line);
  if (child != nullptr) SetWindowPos(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (dc != nullptr) {
    RECT r{x, y, x + width, y + height};
    HBRUSH brush = CreateSolidBrush(kOrange);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  if (child != nullptr) InvalidateRect(child, nullptr, TRUE);
}

__declspec(dllexport) void __cdecl SetPath(const char* folder) {
  char line[MAX_PATH + 16];
  std::snprintf(line, sizeof line, "SetPath %s", folder != nullptr ? folder : "(null)");
  Record(line);
}

__declspec(dllexport) void __cdecl Show() {
  Record("Show");
  if (child != nullptr) ShowWindow(child, SW_SHOWNA);
}

__declspec(dllexport) void __cdecl SetFile(const char* file) {
  char line[MAX_PATH + 16];
  std::snprintf(line, sizeof line, "SetFile %s", file != nullptr ? file : "(null)");
  Record(line);
}

__declspec(dllexport) void __cdecl SetData(std::int32_t data) {
  char line[32];
  std::snprintf(line, sizeof line, "SetData %ld", static_cast<long>(data));
  Record(line);
}

__declspec(dllexport) const char* __cdecl GetFile() {
  Record("GetFile");
  return "lesson-7.dat";
}

__declspec(dllexport) std::int32_t __cdecl GetData() {
  Record("GetData");
  FaultIfMarked(getDataFaultMarker);
  return -42;
}

// Reached by name through code 66.
__declspec(dllexport) void __cdecl Rewind() { Record("Rewind"); }

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    instance = module;
    DWORD n = GetModuleFileNameW(module, callsFile, MAX_PATH);
    while (n > 0 && callsFile[n - 1] != L'\\') --n;
    lstrcpynW(faultMarker, callsFile, static_cast<int>(n) + 1);
    lstrcpynW(getDataFaultMarker, callsFile, static_cast<int>(n) + 1);
    lstrcpyW(callsFile + n, L"plugin-calls.txt");
    lstrcpyW(faultMarker + n, L"plugin-fault.txt");
    lstrcpyW(getDataFaultMarker + n, L"plugin-fault-getdata.txt");
  }
  return TRUE;
}
