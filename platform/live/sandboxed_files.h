#pragma once
// The files a presentation sees on the native player: the simulated disk,
// with the files beside the executable read from its real folder when first
// asked for. What is written stays on the disk; the sandbox (sandbox.h)
// keeps it in the data folder between runs.

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/sim/sim_files.h"

namespace vx::live {

class SandboxedFiles : public platform::Files {
 public:
  // besideFolder: the executable's real folder, seen at the Windows folder
  // of the own executable.
  SandboxedFiles(sim::SimFiles& disk, std::string besideFolder);

  // A folder the sandbox keeps even while empty.
  void AddKeptFolder(const std::string& path);
  // Keys of the files on the disk but those read from beside the
  // executable and not written since; keys of the folders to keep.
  std::vector<std::string> WrittenFiles() const;
  const std::set<std::string>& KeptFolders() const { return kept_; }
  // The real file beside the executable that the disk's copy of the path
  // came from, while the copy is unchanged; else nothing.
  std::optional<std::string> BesideRealPath(const std::string& path);
  sim::SimFiles& Disk() const { return disk_; }

  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
  void MakeDirectory(const std::string& path) override;
  void RemoveFile(const std::string& path) override;
  std::string OwnExecutablePath() override { return disk_.OwnExecutablePath(); }
  std::optional<std::string> ReadOwnResource(const std::string& name) override { return disk_.ReadOwnResource(name); }
  bool ExtractOwnResource(const std::string& name, const std::string& path) override;
  std::string TempFolder() override { return disk_.TempFolder(); }
  std::string WindowsFolder() override { return disk_.WindowsFolder(); }
  platform::DriveKind DriveKindOf(const std::string& root) override { return disk_.DriveKindOf(root); }
  std::optional<platform::DriveSpace> DriveSpaceOf(const std::string& root) override { return disk_.DriveSpaceOf(root); }
  std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key) override;
  void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& text) override;
  bool CopyFileOver(const std::string& source, const std::string& destination) override;
  bool MoveFileTo(const std::string& source, const std::string& destination) override;

 private:
  // Brings a file or folder the disk lacks in from beside the executable.
  void Fetch(const std::string& key);
  void FetchWithParent(const std::string& key);
  std::string IniKey(const std::string& file);

  sim::SimFiles& disk_;
  std::string besideFolder_;
  std::string lowerKey_;             // the own executable's folder, with its "\"
  std::set<std::string> fromLower_;  // read from beside it, unchanged since
  std::set<std::string> kept_;
};

}  // namespace vx::live
