#pragma once
// Files, folders and the resources of the program's own executable. Paths are
// Windows paths in the system code page; on the sim backend they name files of
// an in-memory disk, so tests never touch the host's file system.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vx::platform {

// What the system tells about a drive's root.
enum class DriveKind { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

struct DriveSpace {
  std::uint64_t total = 0;
  std::uint64_t free = 0;  // free for the caller
};

// An open file. Every failure throws vx::OsError.
class File {
 public:
  virtual ~File() = default;
  virtual std::uint64_t Size() = 0;
  virtual void Seek(std::uint64_t position) = 0;
  // Reads exactly count bytes at the current position, or throws.
  virtual std::string Read(std::size_t count) = 0;
  virtual void Write(std::string_view bytes) = 0;
  // Cuts the file to size bytes (or extends it with zeros).
  virtual void Resize(std::uint64_t size) = 0;
};

enum class OpenMode {
  Read,       // existing file, reading, others may read but not write
  ReadWrite,  // existing file, reading and writing, others may read
  Create,     // created or truncated, writing
};

class Files {
 public:
  virtual ~Files() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Throws vx::OsError when the file cannot be opened.
  virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
  // Creates one folder; throws vx::OsError when it exists or cannot be made.
  virtual void MakeDirectory(const std::string& path) = 0;
  // Throws vx::OsError when the file cannot be deleted.
  virtual void RemoveFile(const std::string& path) = 0;

  // The program's own executable.
  virtual std::string OwnExecutablePath() = 0;
  // The named RCDATA resource of the own executable, or nothing.
  virtual std::optional<std::string> ReadOwnResource(const std::string& name) = 0;
  // Writes that resource to a new file at path straight from the loaded
  // image (embedded files run to hundreds of megabytes: no copy on the way).
  // False when there is no such resource; vx::OsError when the file cannot
  // be written.
  virtual bool ExtractOwnResource(const std::string& name, const std::string& path) = 0;

  // The user's temporary folder, ending with "\".
  virtual std::string TempFolder() = 0;
  // The Windows folder, without a final "\".
  virtual std::string WindowsFolder() = 0;

  // root is a letter and ":" with or without the final "\".
  virtual DriveKind DriveKindOf(const std::string& root) = 0;
  // Nothing when the drive cannot be queried (no disk, no drive).
  virtual std::optional<DriveSpace> DriveSpaceOf(const std::string& root) = 0;

  // The text of key in section of an INI file, "" when absent. A file name
  // without a folder lies in the Windows folder.
  virtual std::string ReadIniString(const std::string& file, const std::string& section,
                                    const std::string& key) = 0;
  // Writes text as key of section, creating the file, section and key as
  // needed; throws vx::OsError with the system's message when refused.
  virtual void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& text) = 0;

  // Copies source over destination, replacing it; false when the system
  // refuses (a missing source, a file onto itself, no access).
  virtual bool CopyFileOver(const std::string& source, const std::string& destination) = 0;
  // Moves or renames a file, across folders too; false when refused.
  virtual bool MoveFileTo(const std::string& source, const std::string& destination) = 0;
};

// Whole-file helpers on top of the interface.
std::string ReadWholeFile(Files& files, const std::string& path);
void WriteWholeFile(Files& files, const std::string& path, const std::string& bytes);

}  // namespace vx::platform
