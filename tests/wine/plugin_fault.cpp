// The scenario "plugin-fault"; tests/wine/plugin-fault with testplugin.dll
// (tests/wine/test_plugin.cpp) and plugin-fault.txt beside it, which makes
// the library's SetParentWindow write through a null pointer.

#include <cstddef>
#include <string>
#include <vector>

#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

std::ptrdiff_t FirstStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

}  // namespace

void PluginFault(const std::string& exe, const std::string& workdir) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string driverFolder = self;
  driverFolder.erase(driverFolder.find_last_of('\\'));
  const std::string library = workdir + "\\testplugin.dll";
  Check(CopyFileA((driverFolder + "\\testplugin.dll").c_str(), library.c_str(), FALSE) != FALSE,
        "cannot copy testplugin.dll beside the driver to " + library);
  const std::string marker = workdir + "\\plugin-fault.txt";
  HANDLE f = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(f != INVALID_HANDLE_VALUE, "cannot write " + marker);
  CloseHandle(f);
  const std::string calls = workdir + "\\plugin-calls.txt";
  DeleteFileA(calls.c_str());
  const std::string copy = CopyOfPlayer(exe, workdir, "plugin-fault.exe");

  // A crash would end with the fault's own code (or hang in a crash
  // dialog until the wait gives up and fails).
  Player p = Start(copy, workdir);
  ExpectTheEnd(p);

  const std::string text = ReadText(calls);
  Check(text.rfind("SetParentWindow ", 0) == 0 && text.find("\r\n") == text.size() - 2,
        "the plug-in's calls are not SetParentWindow alone:\n" + text);
  // The fault, the library unloaded, then what the presentation changed is
  // put back before the end.
  const auto lines = TraceLines(p);
  const auto changed = IndexOf(lines, "system setting screen-saver off");
  const auto fault = FirstStarting(lines, "plugin fault: access violation in SetParentWindow at +");
  const auto unloaded = IndexOf(lines, "plugin unloaded");
  std::ptrdiff_t restored = -1;
  for (auto i = unloaded + 1; unloaded >= 0 && i < static_cast<std::ptrdiff_t>(lines.size()); ++i)
    if (lines[static_cast<std::size_t>(i)].rfind("system setting screen-saver ", 0) == 0) restored = i;
  Check(changed >= 0 && fault > changed && unloaded > fault && restored > unloaded &&
            restored < static_cast<std::ptrdiff_t>(lines.size()) - 1,
        "the trace does not show the screen saver turned off, the fault in SetParentWindow, the library unloaded "
        "and the setting put back, in that order, before the end:\n" + Joined(lines));
  Check(FirstStarting(lines, "msgbox") < 0, "a message box was shown:\n" + Joined(lines));
}

}  // namespace vxe2e
