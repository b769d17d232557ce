// The scenario "system-services"; tests/wine/system-services/project.yaml
// does its work in the page's show script.

#include <string>

#include "platform/win32/win32_files.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"
#include "util/trailer.h"

namespace vxe2e {

namespace {

std::string RegistryText(const char* key, const char* name) {
  HKEY open = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &open) != ERROR_SUCCESS) return "";
  char buffer[256] = {};
  DWORD size = sizeof buffer - 1;
  DWORD type = 0;
  const LONG status = RegQueryValueExA(open, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(open);
  return status == ERROR_SUCCESS && type == REG_SZ ? std::string(buffer) : std::string();
}

std::string FileBytes(const std::string& path) {
  vx::win32::Win32Files files;
  if (!files.FileExists(path)) return "<missing>";
  return vx::platform::ReadWholeFile(files, path);
}

}  // namespace

void SystemServices(const std::string& exe, const std::string& workdir) {
  // Nothing of an earlier run may answer for this one.
  for (const char* leftover : {"copy.exe", "note.txt", "note-copy.txt", "e2e.ini"})
    DeleteFileA((workdir + "\\" + leftover).c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vexorelle\\E2E");
  const std::string presentation = CopyOfPlayer(exe, workdir, "services.exe");
  const std::string original = FileBytes(presentation);

  {
    Player p = Start(presentation, workdir);
    HWND box = nullptr;
    Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }),
          "the results box never showed; trace:\n" + Joined(TraceLines(p)));
    // The box's line is traced once it is answered.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    ExpectTheEnd(p);
    const auto lines = TraceLines(p);
    Check(IndexOf(lines, "msgbox [Results] reg=Rostam ini=Sohrab -> 1") >= 0,
          "the script did not read back what it wrote:\n" + Joined(lines));
  }
  Check(RegistryText("Software\\Vexorelle\\E2E", "learner") == "Rostam", "the registry value is not Rostam");
  Check(FileBytes(workdir + "\\e2e.ini").find("Name=Sohrab") != std::string::npos, "the INI file lacks Name=Sohrab");
  Check(FileBytes(workdir + "\\note-copy.txt") == "hello", "the copied file does not hold hello");
  Check(FileBytes(workdir + "\\note.txt") == "<missing>", "the deleted file is still there");

  // The copy: the presentation as it was, then the new trailer.
  const std::string copy = workdir + "\\copy.exe";
  const std::string copied = FileBytes(copy);
  Check(copied.compare(0, original.size(), original) == 0, "the copy does not start with the presentation's bytes");
  vx::win32::Win32Files files;
  std::string block;
  Check(vx::ReadTrailer(files, copy, block), "the copy has no readable trailer");
  Check(block == "0\r\nscripted", "the copy's block is \"" + block + "\"");

  Player again = Start(copy, workdir);
  Check(WaitFor(again, [&] { return TraceHas(again, "script showeventTimer on VX_APPLICATION_FORM1"); }),
        "the copy did not start; trace:\n" + Joined(TraceLines(again)));
  const auto lines = TraceLines(again);
  Check(IndexOf(lines, "show VXLoad") < 0, "the copy showed the splash:\n" + Joined(lines));
  CloseAndExpectTheEnd(again, WindowOf(again, "TVXForm"));
}

}  // namespace vxe2e
