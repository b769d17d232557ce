#include "platform/live/sandboxed_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vx::live {

namespace fs = std::filesystem;

namespace {

using sim::SimFiles;

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string ParentKey(const std::string& key) {
  const auto slash = key.find_last_of('\\');
  if (slash == std::string::npos) return std::string();
  return key.substr(0, slash == 2 ? 3 : slash);
}

// A real path under the folder, each part matched without regard to case
// as Windows does; nothing when a part is missing, would leave the folder,
// or is a link (it could lead anywhere).
std::optional<fs::path> BesidePath(const std::string& folder, const std::string& relative) {
  fs::path path = folder;
  std::size_t at = 0;
  std::error_code error;
  while (at <= relative.size()) {
    const auto next = relative.find('\\', at);
    const std::string part = relative.substr(at, next == std::string::npos ? std::string::npos : next - at);
    at = next == std::string::npos ? relative.size() + 1 : next + 1;
    if (part.empty()) continue;
    if (part.find_first_not_of('.') == std::string::npos || part.find('/') != std::string::npos) return std::nullopt;
    std::optional<fs::path> found;
    if (fs::exists(path / part, error)) {
      found = path / part;
    } else {
      const std::string wanted = Upper(part);
      for (auto it = fs::directory_iterator(path, error); !error && it != fs::directory_iterator(); it.increment(error))
        if (Upper(it->path().filename().string()) == wanted) found = it->path();
    }
    if (!found || fs::is_symlink(*found, error)) return std::nullopt;
    path = *found;
  }
  return path;
}

}  // namespace

SandboxedFiles::SandboxedFiles(sim::SimFiles& disk, std::string besideFolder)
    : disk_(disk), besideFolder_(std::move(besideFolder)) {
  lowerKey_ = ParentKey(SimFiles::Key(disk_.OwnExecutablePath()));
  if (lowerKey_.empty() || lowerKey_.back() != '\\') lowerKey_ += '\\';
}

void SandboxedFiles::Fetch(const std::string& key) {
  if (key.size() <= lowerKey_.size() || key.compare(0, lowerKey_.size(), lowerKey_) != 0) return;
  if (disk_.FileExists(key) || disk_.DirectoryExists(key)) return;
  const auto path = BesidePath(besideFolder_, key.substr(lowerKey_.size()));
  std::error_code error;
  if (!path) return;
  if (fs::is_directory(*path, error)) {
    disk_.AddDirectory(key);
  } else if (fs::is_regular_file(*path, error)) {
    std::ifstream in(*path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.bad()) {
      disk_.AddFile(key, std::move(bytes));
      fromLower_.insert(key);
    }
  }
}

void SandboxedFiles::FetchWithParent(const std::string& key) {
  Fetch(ParentKey(key));
  Fetch(key);
}

void SandboxedFiles::AddKeptFolder(const std::string& path) {
  disk_.AddDirectory(path);
  kept_.insert(SimFiles::Key(path));
}

std::vector<std::string> SandboxedFiles::WrittenFiles() const {
  std::vector<std::string> out;
  for (char drive = 'A'; drive <= 'Z'; ++drive)
    for (const std::string& key : disk_.FilesUnder(std::string(1, drive) + ":"))
      if (!fromLower_.count(key)) out.push_back(key);
  return out;
}

std::optional<std::string> SandboxedFiles::BesideRealPath(const std::string& path) {
  const std::string key = SimFiles::Key(path);
  Fetch(key);
  if (!fromLower_.count(key)) return std::nullopt;
  const auto real = BesidePath(besideFolder_, key.substr(lowerKey_.size()));
  if (!real) return std::nullopt;
  return real->string();
}

bool SandboxedFiles::FileExists(const std::string& path) {
  Fetch(SimFiles::Key(path));
  return disk_.FileExists(path);
}

bool SandboxedFiles::DirectoryExists(const std::string& path) {
  Fetch(SimFiles::Key(path));
  return disk_.DirectoryExists(path);
}

std::unique_ptr<platform::File> SandboxedFiles::Open(const std::string& path, platform::OpenMode mode) {
  const std::string key = SimFiles::Key(path);
  FetchWithParent(key);
  auto file = disk_.Open(path, mode);
  // Open for writing: the presentation's own copy from now on.
  if (mode != platform::OpenMode::Read) fromLower_.erase(key);
  return file;
}

void SandboxedFiles::MakeDirectory(const std::string& path) {
  const std::string key = SimFiles::Key(path);
  FetchWithParent(key);
  disk_.MakeDirectory(path);
  kept_.insert(key);
}

void SandboxedFiles::RemoveFile(const std::string& path) {
  const std::string key = SimFiles::Key(path);
  Fetch(key);
  disk_.RemoveFile(path);
  fromLower_.erase(key);
}

bool SandboxedFiles::ExtractOwnResource(const std::string& name, const std::string& path) {
  const std::string key = SimFiles::Key(path);
  FetchWithParent(key);
  const bool done = disk_.ExtractOwnResource(name, path);
  if (done) fromLower_.erase(key);
  return done;
}

std::string SandboxedFiles::IniKey(const std::string& file) {
  // A name without a folder lies in the Windows folder, as the disk has it.
  return SimFiles::Key(file.find('\\') == std::string::npos ? disk_.WindowsFolder() + "\\" + file : file);
}

std::string SandboxedFiles::ReadIniString(const std::string& file, const std::string& section,
                                          const std::string& key) {
  Fetch(IniKey(file));
  return disk_.ReadIniString(file, section, key);
}

void SandboxedFiles::WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& text) {
  const std::string fileKey = IniKey(file);
  FetchWithParent(fileKey);
  disk_.WriteIniString(file, section, key, text);
  fromLower_.erase(fileKey);
}

bool SandboxedFiles::CopyFileOver(const std::string& source, const std::string& destination) {
  const std::string to = SimFiles::Key(destination);
  Fetch(SimFiles::Key(source));
  FetchWithParent(to);
  const bool done = disk_.CopyFileOver(source, destination);
  if (done) fromLower_.erase(to);
  return done;
}

bool SandboxedFiles::MoveFileTo(const std::string& source, const std::string& destination) {
  const std::string from = SimFiles::Key(source);
  const std::string to = SimFiles::Key(destination);
  Fetch(from);
  FetchWithParent(to);
  const bool done = disk_.MoveFileTo(source, destination);
  if (done) {
    fromLower_.erase(from);
    fromLower_.erase(to);
  }
  return done;
}

}  // namespace vx::live
