#include "platform/live/sandbox.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <system_error>

#include "platform/live/sandbox_paths.h"

namespace vx::live {

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void MakeFolders(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (error) throw std::runtime_error("cannot make " + path.string() + ": " + error.message());
}

}  // namespace

void Sandbox::Load(SandboxedFiles& files, sim::SimRegistry& registry) const {
  std::error_code error;
  const fs::path disk = fs::path(dataFolder_) / "disk";
  // Only the drive folders hold the disk; links are never followed out.
  for (auto drive = fs::directory_iterator(disk, error); !error && drive != fs::directory_iterator();
       drive.increment(error)) {
    const std::string letter = drive->path().filename().string();
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z' || drive->is_symlink() || !drive->is_directory())
      continue;
    files.AddKeptFolder(letter + ":\\");
    for (auto it = fs::recursive_directory_iterator(drive->path(), error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
      if (it->is_symlink()) continue;
      std::string windows = letter + ":";
      for (const fs::path& part : fs::relative(it->path(), drive->path())) windows += "\\" + part.string();
      if (it->is_directory()) files.AddKeptFolder(windows);
      else if (it->is_regular_file()) files.Disk().AddFile(windows, ReadAll(it->path()));
    }
  }
  // A first run has no data folder yet.
  if (error && error != std::errc::no_such_file_or_directory)
    throw std::runtime_error("cannot read " + disk.string() + ": " + error.message());
  error.clear();
  const fs::path registryFile = RegistryFileOf(dataFolder_);
  if (fs::exists(registryFile, error)) registry.Load(ReadAll(registryFile));
}

void Sandbox::Save(SandboxedFiles& files, const sim::SimRegistry& registry) const {
  const fs::path disk = fs::path(dataFolder_) / "disk";
  MakeFolders(disk);
  const std::string temp = sim::SimFiles::Key(files.TempFolder()) + "\\";
  const std::string own = sim::SimFiles::Key(files.OwnExecutablePath());
  auto kept = [&temp](const std::string& key) { return (key + "\\").compare(0, temp.size(), temp) != 0; };
  std::set<fs::path> wanted{disk};
  auto want = [&wanted, &disk](fs::path path) {
    for (; path != disk && path.has_parent_path(); path = path.parent_path()) wanted.insert(path);
  };
  for (const std::string& folder : files.KeptFolders()) {
    if (!kept(folder)) continue;
    const fs::path real = DiskPathOf(dataFolder_, folder);
    MakeFolders(real);
    want(real);
  }
  for (const std::string& key : files.WrittenFiles()) {
    if (!kept(key) || key == own) continue;
    const fs::path real = DiskPathOf(dataFolder_, key);
    MakeFolders(real.parent_path());
    WriteAll(real, files.Disk().Contents(key));
    want(real);
  }
  // What the presentation deleted goes from the data folder too, deepest
  // first.
  std::error_code error;
  std::vector<fs::path> stale;
  for (auto it = fs::recursive_directory_iterator(disk, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error))
    if (!wanted.count(it->path())) stale.push_back(it->path());
  for (auto it = stale.rbegin(); it != stale.rend(); ++it) fs::remove_all(*it, error);
  WriteAll(RegistryFileOf(dataFolder_), registry.Save());
}

}  // namespace vx::live
