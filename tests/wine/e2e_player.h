#pragma once
// The player under test as the driver sees it from outside: its process,
// its trace file and its windows; and the checks a scenario makes.

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_common.h"

namespace vxe2e {

struct Failure {
  std::string message;
};

// Throws Failure{what} unless ok.
void Check(bool ok, const std::string& what);

// A started player; one still running when the scenario ends (a failed
// check) is ended, so no process outlives the test.
struct Player {
  PROCESS_INFORMATION process{};
  std::string trace;
  Player() = default;
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;
  Player(Player&& other) noexcept;
  ~Player();
};

// Starts exe in workdir with its trace in workdir\trace.txt.
Player Start(const std::string& exe, const std::string& workdir);

std::string ReadText(const std::string& path);
std::vector<std::string> TraceLines(const Player& p);
bool TraceHas(const Player& p, const std::string& text);
std::ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line);
// The lines indented, one a line, for failure messages.
std::string Joined(const std::vector<std::string>& lines);

// The player's first top-level window of the class (visible ones only,
// unless told otherwise), or null.
HWND WindowOf(const Player& p, const char* cls, bool visibleOnly = true);
// The player's visible page whose caption is caption, or null.
HWND PageCalled(const Player& p, const std::string& caption);

// Polls the condition every 50 ms until it holds, the player ends or the
// time is up; true when it held.
bool WaitFor(const Player& p, const std::function<bool()>& condition, DWORD timeoutMs = 60000);
// Waits for the player's end (or ends it and fails); its exit code.
DWORD WaitForExit(const Player& p, DWORD timeoutMs = 30000);
// Expects the player to end with exit code 1, the trace ending with "exit 1".
void ExpectTheEnd(const Player& p);
// Closes the page as its close box does, then ExpectTheEnd.
void CloseAndExpectTheEnd(const Player& p, HWND page);

// A copy of the player in the work folder under another name.
std::string CopyOfPlayer(const std::string& player, const std::string& workdir, const std::string& name);

// A Windows path of the Unix file system (Z:\...) as the Unix path, for
// messages a person reads on the host.
std::string HostPath(const std::string& windowsPath);

}  // namespace vxe2e
