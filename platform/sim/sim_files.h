#pragma once
// An in-memory disk with Windows paths (compared without regard to case),
// the own executable's resources, and injectable failures.

#include <map>
#include <optional>
#include <string_view>
#include <vector>
#include <set>
#include <string>

#include "platform/files.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_file_bytes.h"
#include "platform/sim/sim_log.h"
#include "util/pe_resources.h"

namespace vx::sim {

class SimFiles : public platform::Files {
 public:
  SimFiles(SimLog& log, const SimCodePages& codePages);

  // Test set-up and inspection: paths as the system names them, UTF-8. The
  // platform calls take the presentation's bytes.
  void AddFile(const std::string& path, std::string bytes);
  void AddDirectory(const std::string& path);
  // Opening the file for reading or writing throws from now on.
  void InjectOpenError(const std::string& path);
  // Reads of the file throw from now on.
  void InjectReadError(const std::string& path);
  // The next write to the file puts half of its bytes and fails.
  void InjectWriteError(const std::string& path);
  // The file opens for reading only; it cannot be written or deleted.
  void SetReadOnly(const std::string& path);
  void SetOwnExecutable(const std::string& path, FileBytes bytes);
  void SetOwnResource(const std::string& name, std::string bytes);
  // Takes the resources from the PE image of the own executable instead.
  void UseResourcesOfOwnExecutable();
  void SetTempFolder(std::string folder) { tempFolder_ = std::move(folder); }
  // A drive: its kind and, when it can be queried, its space. Letters not
  // set have no root directory; C: starts as a fixed disk.
  void SetDrive(char letter, platform::DriveKind kind,
                std::optional<platform::DriveSpace> space = std::nullopt);

  // Inspection.
  std::string Contents(const std::string& path) const;
  std::set<std::string> FilesUnder(const std::string& folder) const;

  // platform::Files
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveFile(const std::string& path) override;
  std::string OwnExecutablePath() override { return codePages_.FromSystem(ownPath_); }
  std::optional<std::string> ReadOwnResource(const std::string& name) override;
  bool ExtractOwnResource(const std::string& name, const std::string& path) override;
  std::string TempFolder() override { return codePages_.FromSystem(tempFolder_); }
  std::string WindowsFolder() override { return "C:\\WINDOWS"; }
  platform::DriveKind DriveKindOf(const std::string& root) override;
  std::optional<platform::DriveSpace> DriveSpaceOf(const std::string& root) override;
  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key) override;
  void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& text) override;
  bool CopyFileOver(const std::string& source, const std::string& destination) override;
  bool MoveFileTo(const std::string& source, const std::string& destination) override;

  // Canonical key of a path: upper case, "/" as "\", no trailing "\".
  static std::string Key(const std::string& path);

 private:
  // An INI file name without a folder lies in the Windows folder.
  std::string IniPath(const std::string& file);
  // A file may be created there: its folder exists and it is not locked.
  bool Writable(const std::string& key) const;

 private:
  friend class SimFile;
  // The key of a path the presentation names.
  std::string SystemKey(const std::string& path) const { return Key(codePages_.ToSystem(path)); }
  SimLog& log_;
  const SimCodePages& codePages_;
  std::map<std::string, FileBytes> files_;         // key -> contents
  std::map<std::string, std::string> shownNames_;  // key -> path as first written
  std::set<std::string> directories_;
  std::set<std::string> openErrors_;
  std::set<std::string> readErrors_;
  std::set<std::string> writeErrors_;
  std::set<std::string> readOnly_;
  std::map<std::string, std::string> resources_;  // upper-case name -> bytes
  bool resourcesFromImage_ = false;
  // The resource tree of the own executable as it lies on the disk, read
  // again only when that file changed.
  struct OwnImageIndex {
    const char* data = nullptr;
    std::size_t size = 0;
    std::vector<PeResourceLeaf> leaves;
  };
  OwnImageIndex ownIndex_;
  std::optional<std::string_view> OwnResourceBytes(const std::string& name);
  std::string ownPath_ = "C:\\Program Files\\Presentation\\presentation.exe";
  std::string tempFolder_ = "C:\\TEMP\\";
  struct Drive {
    platform::DriveKind kind = platform::DriveKind::NoRootDir;
    std::optional<platform::DriveSpace> space;
  };
  std::map<char, Drive> drives_{
      {'C', {platform::DriveKind::Fixed, platform::DriveSpace{std::uint64_t{80} << 30, std::uint64_t{20} << 30}}}};
};

}  // namespace vx::sim
