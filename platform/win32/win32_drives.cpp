// Drives through kernel32; INI files read and written here, so their text
// keeps the presentation's bytes as a system in its code page would write
// them (the profile functions would write new files in the ANSI code page).

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_text.h"
#include "util/error.h"
#include "util/ini_text.h"

namespace vx::win32 {

platform::DriveKind Win32Files::DriveKindOf(const std::string& root) {
  switch (GetDriveTypeW(Widen(root).c_str())) {
    case DRIVE_NO_ROOT_DIR: return platform::DriveKind::NoRootDir;
    case DRIVE_REMOVABLE: return platform::DriveKind::Removable;
    case DRIVE_FIXED: return platform::DriveKind::Fixed;
    case DRIVE_REMOTE: return platform::DriveKind::Remote;
    case DRIVE_CDROM: return platform::DriveKind::CdRom;
    case DRIVE_RAMDISK: return platform::DriveKind::RamDisk;
    default: return platform::DriveKind::Unknown;
  }
}

std::optional<platform::DriveSpace> Win32Files::DriveSpaceOf(const std::string& root) {
  std::string path = root;
  if (path.empty() || path.back() != '\\') path += '\\';
  // No "insert a disk" box for an empty drive.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
  const BOOL ok = GetDiskFreeSpaceExW(Widen(path).c_str(), &freeToCaller, &total, &totalFree);
  SetErrorMode(oldMode);
  if (!ok) return std::nullopt;
  return platform::DriveSpace{total.QuadPart, freeToCaller.QuadPart};
}

namespace {
// The profile functions' limit on what they hand back.
constexpr std::size_t kIniValueLimit = 1u << 20;
}  // namespace

std::string Win32Files::IniPath(const std::string& file) {
  return file.find('\\') == std::string::npos ? WindowsFolder() + "\\" + file : file;
}

std::string Win32Files::ReadIniString(const std::string& file, const std::string& section,
                                      const std::string& key) {
  const std::string path = IniPath(file);
  if (!FileExists(path)) return "";
  try {
    std::string value = IniValue(platform::ReadWholeFile(*this, path), section, key);
    if (value.size() >= kIniValueLimit) value.resize(kIniValueLimit - 1);
    return value;
  } catch (const Error&) {
    return "";  // as the profile functions: an unreadable file has no values
  }
}

void Win32Files::WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& text) {
  const std::string path = IniPath(file);
  if (section.empty() || key.empty()) throw OsError("Unable to write to " + path);
  try {
    const std::string before = FileExists(path) ? platform::ReadWholeFile(*this, path) : std::string();
    const std::string after = WithIniEntry(before, section, key, text);
    Open(path, platform::OpenMode::Create)->Write(after);
  } catch (const Error& e) {
    throw OsError("Unable to write to " + path + ": " + e.what());
  }
}

bool Win32Files::CopyFileOver(const std::string& source, const std::string& destination) {
  return CopyFileW(Widen(source).c_str(), Widen(destination).c_str(), FALSE) != 0;
}

bool Win32Files::MoveFileTo(const std::string& source, const std::string& destination) {
  return MoveFileW(Widen(source).c_str(), Widen(destination).c_str()) != 0;
}

}  // namespace vx::win32
