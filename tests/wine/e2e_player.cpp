#include "tests/wine/e2e_player.h"

#include <fstream>
#include <sstream>

namespace vxe2e {

void Check(bool ok, const std::string& what) {
  if (!ok) throw Failure{what};
}

Player::Player(Player&& other) noexcept : process(other.process), trace(std::move(other.trace)) {
  other.process = {};
}

Player::~Player() {
  if (process.hProcess == nullptr) return;
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

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

bool TraceHas(const Player& p, const std::string& text) { return ReadText(p.trace).find(text) != std::string::npos; }

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

namespace {

struct Search {
  DWORD pid = 0;
  std::function<bool(HWND)> wanted;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && s->wanted(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND Find(const Player& p, std::function<bool(HWND)> wanted) {
  Search s;
  s.pid = p.process.dwProcessId;
  s.wanted = std::move(wanted);
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string ClassOf(HWND hwnd) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return cls;
}

}  // namespace

HWND WindowOf(const Player& p, const char* cls, bool visibleOnly) {
  return Find(p, [&](HWND h) { return ClassOf(h) == cls && (!visibleOnly || IsWindowVisible(h)); });
}

HWND PageCalled(const Player& p, const std::string& caption) {
  return Find(p, [&](HWND h) {
    char text[256] = {};
    GetWindowTextA(h, text, sizeof text);
    return ClassOf(h) == "TVXForm" && IsWindowVisible(h) && caption == text;
  });
}

bool WaitFor(const Player& p, const std::function<bool()>& condition, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (condition()) return true;
    if (WaitForSingleObject(p.process.hProcess, 50) == WAIT_OBJECT_0) return condition();
  }
  return condition();
}

DWORD WaitForExit(const Player& p, DWORD timeoutMs) {
  if (WaitForSingleObject(p.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(p.process.hProcess, 99);
    throw Failure{"the player did not end"};
  }
  DWORD code = 0;
  GetExitCodeProcess(p.process.hProcess, &code);
  return code;
}

void CloseAndExpectTheEnd(const Player& p, HWND page) {
  PostMessageA(page, WM_CLOSE, 0, 0);
  ExpectTheEnd(p);
}

void ExpectTheEnd(const Player& p) {
  const DWORD code = WaitForExit(p);
  Check(code == 1, "exit code " + std::to_string(code) + ", expected 1");
  const auto lines = TraceLines(p);
  Check(!lines.empty() && lines.back() == "exit 1", "the trace does not end with 'exit 1':\n" + Joined(lines));
}

std::string CopyOfPlayer(const std::string& player, const std::string& workdir, const std::string& name) {
  const std::string copy = workdir + "\\" + name;
  Check(CopyFileA(player.c_str(), copy.c_str(), FALSE) != FALSE, "cannot copy the player to " + copy);
  return copy;
}

std::string HostPath(const std::string& windowsPath) {
  if (windowsPath.size() < 2 || (windowsPath[0] != 'Z' && windowsPath[0] != 'z') || windowsPath[1] != ':')
    return windowsPath;
  std::string unix = windowsPath.substr(2);
  for (char& c : unix)
    if (c == '\\') c = '/';
  return unix;
}

}  // namespace vxe2e
