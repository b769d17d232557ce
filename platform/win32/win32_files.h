#pragma once

#include "platform/files.h"

namespace vx::win32 {

class Win32Files : public platform::Files {
 public:
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveFile(const std::string& path) override;
  std::string OwnExecutablePath() override;
  std::optional<std::string> ReadOwnResource(const std::string& name) override;
  bool ExtractOwnResource(const std::string& name, const std::string& path) override;
  std::string TempFolder() override;
  std::string WindowsFolder() override;
  platform::DriveKind DriveKindOf(const std::string& root) override;
  std::optional<platform::DriveSpace> DriveSpaceOf(const std::string& root) override;
  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key) override;
  void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& text) override;
  bool CopyFileOver(const std::string& source, const std::string& destination) override;
  bool MoveFileTo(const std::string& source, const std::string& destination) override;

 private:
  // An INI file name without a folder lies in the Windows folder.
  std::string IniPath(const std::string& file);
};

}  // namespace vx::win32
