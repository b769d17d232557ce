// End-to-end checks of the Windows player, run under Wine: each scenario
// prepares a copy of a presentation executable, starts it, watches its
// windows as a person would, closes it, and compares its trace with what
// should have happened.
//
//   vxe2e SCENARIO PRESENTATION.exe WORKDIR
//
// Exit code 0 when the scenario held, 1 with a message otherwise.

#include <cstdio>
#include <fstream>
#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_files.h"
#include "util/trailer.h"

namespace {

struct Failure {
  std::string message;
};

void Check(bool ok, const std::string& what) {
  if (!ok) throw Failure{what};
}

// A started player; one still running when the scenario ends (a failed
// check) is ended, so no process outlives the test.
struct Player {
  PROCESS_INFORMATION process{};
  std::string trace;
  Player() = default;
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;
  Player(Player&& other) noexcept : process(other.process), trace(std::move(other.trace)) { other.process = {}; }
  ~Player() {
    if (process.hProcess == nullptr) return;
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> TraceLines(const Player& p) {
  std::vector<std::string> lines;
  std::istringstream in(ReadText(p.trace));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

Player Start(const std::string& exe, const std::string& workdir) {
  Player p;
  p.trace = workdir + "\\trace.txt";
  DeleteFileA(p.trace.c_str());
  SetEnvironmentVariableA("VEXORELLE_TRACE", p.trace.c_str());
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string command = "\"" + exe + "\"";
  Check(CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, workdir.c_str(), &si,
                       &p.process) != FALSE,
        "cannot start " + exe);
  return p;
}

struct Found {
  HWND hwnd = nullptr;
  DWORD pid = 0;
  const char* cls = nullptr;
  bool visibleOnly = true;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM param) {
  auto* f = reinterpret_cast<Found*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == f->pid && std::string(cls) == f->cls && (!f->visibleOnly || IsWindowVisible(hwnd))) {
    f->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND WindowOf(const Player& p, const char* cls, bool visibleOnly = true) {
  Found f;
  f.pid = p.process.dwProcessId;
  f.cls = cls;
  f.visibleOnly = visibleOnly;
  EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&f));
  return f.hwnd;
}

// Waits until the condition holds or the player ends; true when it held.
bool WaitFor(const Player& p, const std::function<bool()>& condition, DWORD timeoutMs = 60000) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (condition()) return true;
    if (WaitForSingleObject(p.process.hProcess, 50) == WAIT_OBJECT_0) return condition();
  }
  return false;
}

DWORD WaitForExit(const Player& p, DWORD timeoutMs = 30000) {
  if (WaitForSingleObject(p.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(p.process.hProcess, 99);
    throw Failure{"the player did not end"};
  }
  DWORD code = 0;
  GetExitCodeProcess(p.process.hProcess, &code);
  return code;
}

std::ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == line) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += "  " + l + "\n";
  return out;
}

// A copy of the player in the work folder, with extra bytes appended.
std::string CopyOfPlayer(const std::string& player, const std::string& workdir, const std::string& name) {
  const std::string copy = workdir + "\\" + name;
  Check(CopyFileA(player.c_str(), copy.c_str(), FALSE) != FALSE, "cannot copy the player to " + copy);
  return copy;
}

bool TraceHas(const Player& p, const std::string& text) { return ReadText(p.trace).find(text) != std::string::npos; }

// Page 1 shows, then closing it ends the player with exit code 1.
void ShowPage1ThenClose(const std::string& exe, const std::string& workdir, bool splashExpected) {
  Player p = Start(exe, workdir);
  const bool shown = WaitFor(p, [&] { return WindowOf(p, "TVXForm") != nullptr; });
  Check(shown, "page 1 was never shown; trace:\n" + Joined(TraceLines(p)));
  // Pages may show while loading goes on; start-up ends with the splash gone.
  Check(WaitFor(p, [&] { return WindowOf(p, "TVXLoad", false) == nullptr; }, 20000),
        "the splash window still exists after start-up");
  Check(WaitFor(p, [&] { return IndexOf(TraceLines(p), "destroy VXLoad") >= 0; }, 20000),
        "start-up did not end; trace:\n" + Joined(TraceLines(p)));
  // The trace line follows the window by a moment.
  WaitFor(p, [&] { return IndexOf(TraceLines(p), "show VX_APPLICATION_FORM1") >= 0; }, 20000);
  auto lines = TraceLines(p);
  const auto page1 = IndexOf(lines, "show VX_APPLICATION_FORM1");
  Check(page1 >= 0, "no 'show VX_APPLICATION_FORM1' in the trace:\n" + Joined(lines));
  const auto splashShown = IndexOf(lines, "show VXLoad");
  if (splashExpected) {
    Check(splashShown >= 0, "the splash was not shown:\n" + Joined(lines));
    const auto splashGone = IndexOf(lines, "destroy VXLoad");
    Check(splashShown < page1 && splashShown < splashGone, "the splash did not show during start-up:\n" + Joined(lines));
  } else {
    Check(splashShown < 0, "the splash was shown:\n" + Joined(lines));
  }
  const bool boxShown = std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("msgbox", 0) == 0; });
  Check(!boxShown, "a message box was shown:\n" + Joined(lines));

  PostMessageA(WindowOf(p, "TVXForm"), WM_CLOSE, 0, 0);
  const DWORD code = WaitForExit(p);
  Check(code == 1, "exit code " + std::to_string(code) + ", expected 1");
  lines = TraceLines(p);
  Check(!lines.empty() && lines.back() == "exit 1", "the trace does not end with 'exit 1':\n" + Joined(lines));
}

// A damaged presentation shows the start-up failure box with the detailed
// error; once the box is closed the player ends with exit code 1.
void StartupFailure(const std::string& exe, const std::string& workdir) {
  Player p = Start(exe, workdir);
  HWND box = nullptr;
  const bool shown = WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; });
  Check(shown, "no message box appeared; trace:\n" + Joined(TraceLines(p)));
  Check(WindowOf(p, "TVXForm") == nullptr, "a page is visible behind the failure box");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  const DWORD code = WaitForExit(p);
  Check(code == 1, "exit code " + std::to_string(code) + ", expected 1");
  Check(TraceHas(p, "Application could not be intialized, run the application again or recompile your Corvantis"),
        "the failure box did not say the start-up failed:\n" + ReadText(p.trace));
  Check(TraceHas(p, "project.\r\n\r\nDetailed Error:\r\n"), "no detailed error:\n" + ReadText(p.trace));
  Check(TraceHas(p, "Project container"), "the detail does not name the container:\n" + ReadText(p.trace));
  const auto lines = TraceLines(p);
  Check(IndexOf(lines, "show VX_APPLICATION_FORM1") < 0, "page 1 was shown:\n" + Joined(lines));
  Check(!lines.empty() && lines.back() == "exit 1", "the trace does not end with 'exit 1':\n" + Joined(lines));
}

// The whole screen as a 24-bit BMP file.
void SaveScreenshot(const std::string& path) {
  HDC screen = GetDC(nullptr);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  Check(out.good(), "cannot write " + path);
}

// Plays the presentation for a while, keeps a picture of page 1, closes it.
void Screenshot(const std::string& exe, const std::string& workdir) {
  Player p = Start(exe, workdir);
  Check(WaitFor(p, [&] { return WindowOf(p, "TVXForm") != nullptr; }), "page 1 was never shown");
  Sleep(1500);
  SaveScreenshot(workdir + "\\page1.bmp");
  PostMessageA(WindowOf(p, "TVXForm"), WM_CLOSE, 0, 0);
  const DWORD code = WaitForExit(p);
  Check(code == 1, "exit code " + std::to_string(code) + ", expected 1");
}

using Scenario = std::function<void(const std::string& player, const std::string& workdir)>;

const std::map<std::string, Scenario>& Scenarios() {
  static const std::map<std::string, Scenario> table = {
      {"delivered",
       [](const std::string& player, const std::string& workdir) {
         ShowPage1ThenClose(CopyOfPlayer(player, workdir, "delivered.exe"), workdir, false);
       }},
      {"splash",
       [](const std::string& player, const std::string& workdir) {
         const std::string exe = CopyOfPlayer(player, workdir, "splash.exe");
         vx::win32::Win32Files files;
         Check(vx::AppendTrailer(files, exe, "1\r\n"), "cannot append a trailer");
         ShowPage1ThenClose(exe, workdir, true);
       }},
      {"count-beyond-file",
       [](const std::string& player, const std::string& workdir) {
         const std::string exe = CopyOfPlayer(player, workdir, "bigcount.exe");
         std::ofstream out(exe, std::ios::binary | std::ios::app);
         out.write("\xFF\xFF\xFF\x7F", 4);
         out.close();
         ShowPage1ThenClose(exe, workdir, false);
       }},
      {"screenshot", Screenshot},
      {"startup-failure",
       [](const std::string& player, const std::string& workdir) {
         StartupFailure(CopyOfPlayer(player, workdir, "damaged.exe"), workdir);
       }},
  };
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !Scenarios().count(argv[1])) {
    std::fprintf(stderr, "usage: vxe2e SCENARIO PLAYER.exe WORKDIR\nscenarios:");
    for (const auto& [name, run] : Scenarios()) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  const std::string name = argv[1];
  CreateDirectoryA(argv[3], nullptr);
  try {
    Scenarios().at(name)(argv[2], argv[3]);
  } catch (const Failure& f) {
    std::printf("FAIL %s: %s\n", name.c_str(), f.message.c_str());
    return 1;
  } catch (const std::exception& e) {
    std::printf("FAIL %s: %s\n", name.c_str(), e.what());
    return 1;
  }
  std::printf("PASS %s\n", name.c_str());
  return 0;
}
