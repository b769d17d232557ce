// Drives and INI files through kernel32.

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_files.h"

namespace vx::win32 {

platform::DriveKind Win32Files::DriveKindOf(const std::string& root) {
  switch (GetDriveTypeA(root.c_str())) {
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
  const BOOL ok = GetDiskFreeSpaceExA(path.c_str(), &freeToCaller, &total, &totalFree);
  SetErrorMode(oldMode);
  if (!ok) return std::nullopt;
  return platform::DriveSpace{total.QuadPart, freeToCaller.QuadPart};
}

std::string Win32Files::ReadIniString(const std::string& file, const std::string& section,
                                      const std::string& key) {
  std::string buffer(2048, '\0');
  for (;;) {
    const DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                               static_cast<DWORD>(buffer.size()), file.c_str());
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      buffer.resize(got);
      return buffer;
    }
    buffer.assign(buffer.size() * 2, '\0');
  }
}

void Win32Files::WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& text) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), file.c_str()))
    ThrowLastError("Unable to write to " + file);
}

bool Win32Files::CopyFileOver(const std::string& source, const std::string& destination) {
  return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool Win32Files::MoveFileTo(const std::string& source, const std::string& destination) {
  return MoveFileA(source.c_str(), destination.c_str()) != 0;
}

}  // namespace vx::win32
