#include "platform/sim/sim_files.h"

#include <algorithm>

#include "util/error.h"
#include "util/pe_resources.h"

namespace vx::sim {

namespace {
std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string ParentKey(const std::string& key) {
  const auto slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}
}  // namespace

std::string SimFiles::Key(const std::string& path) {
  std::string key = Upper(path);
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  return key;
}

class SimFile : public platform::File {
 public:
  SimFile(SimFiles& owner, std::string key, bool writable)
      : owner_(owner), key_(std::move(key)), writable_(writable) {}

  std::uint64_t Size() override { return Data().size(); }
  void Seek(std::uint64_t position) override { position_ = position; }
  std::string Read(std::size_t count) override {
    if (owner_.readErrors_.count(key_)) throw OsError("Read error on " + key_);
    const std::string_view data = Data();
    if (position_ > data.size() || count > data.size() - position_)
      throw OsError("Read past the end of " + key_);
    std::string out(data.substr(static_cast<std::size_t>(position_), count));
    position_ += count;
    return out;
  }
  void Write(std::string_view bytes) override {
    if (!writable_) throw OsError("File not open for writing: " + key_);
    if (owner_.writeErrors_.count(key_)) {
      // A disk that fills up: half of the bytes land, then the write fails.
      const std::string_view half = bytes.substr(0, bytes.size() / 2);
      owner_.writeErrors_.erase(key_);
      Write(half);
      owner_.writeErrors_.insert(key_);
      throw OsError("Write error on " + key_ + ". There is not enough space on the disk");
    }
    std::string& data = owner_.files_[key_].Mutable();
    if (position_ > data.size()) data.resize(static_cast<std::size_t>(position_), '\0');
    const auto at = static_cast<std::size_t>(position_);
    if (at == data.size()) {
      data.append(bytes);  // the usual case: no zero fill before the copy
    } else {
      if (at + bytes.size() > data.size()) data.resize(at + bytes.size());
      std::copy(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
    }
    position_ += bytes.size();
  }
  void Resize(std::uint64_t size) override {
    if (!writable_) throw OsError("File not open for writing: " + key_);
    owner_.files_[key_].Mutable().resize(static_cast<std::size_t>(size), '\0');
  }

 private:
  std::string_view Data() {
    auto it = owner_.files_.find(key_);
    if (it == owner_.files_.end()) throw OsError("File was deleted: " + key_);
    return it->second.View();
  }
  SimFiles& owner_;
  std::string key_;
  bool writable_;
  std::uint64_t position_ = 0;
};

SimFiles::SimFiles(SimLog& log, const SimCodePages& codePages) : log_(log), codePages_(codePages) {
  AddDirectory("C:\\");
  AddDirectory("C:\\WINDOWS\\System32");
  AddDirectory(tempFolder_);
  AddDirectory("C:\\Program Files\\Presentation");
}

void SimFiles::AddFile(const std::string& path, std::string bytes) {
  const std::string key = Key(path);
  AddDirectory(ParentKey(key));
  files_[key] = FileBytes(std::move(bytes));
  shownNames_.emplace(key, path);
}

void SimFiles::AddDirectory(const std::string& path) {
  std::string key = Key(path);
  while (!key.empty()) {
    directories_.insert(key);
    key = ParentKey(key);
  }
}

void SimFiles::InjectOpenError(const std::string& path) { openErrors_.insert(Key(path)); }
void SimFiles::InjectReadError(const std::string& path) { readErrors_.insert(Key(path)); }
void SimFiles::InjectWriteError(const std::string& path) { writeErrors_.insert(Key(path)); }
void SimFiles::SetReadOnly(const std::string& path) { readOnly_.insert(Key(path)); }

void SimFiles::SetOwnExecutable(const std::string& path, FileBytes bytes) {
  ownPath_ = path;
  const std::string key = Key(path);
  AddDirectory(ParentKey(key));
  files_[key] = std::move(bytes);
  shownNames_.emplace(key, path);
}

void SimFiles::SetOwnResource(const std::string& name, std::string bytes) {
  resources_[Upper(name)] = std::move(bytes);
}

void SimFiles::UseResourcesOfOwnExecutable() { resourcesFromImage_ = true; }

std::string SimFiles::Contents(const std::string& path) const {
  auto it = files_.find(Key(path));
  return it == files_.end() ? std::string() : std::string(it->second.View());
}

std::set<std::string> SimFiles::FilesUnder(const std::string& folder) const {
  const std::string prefix = Key(folder) + "\\";
  std::set<std::string> out;
  for (const auto& [key, bytes] : files_)
    if (key.compare(0, prefix.size(), prefix) == 0) out.insert(key);
  return out;
}

bool SimFiles::FileExists(const std::string& path) { return files_.count(SystemKey(path)) != 0; }

bool SimFiles::DirectoryExists(const std::string& path) { return directories_.count(SystemKey(path)) != 0; }

std::unique_ptr<platform::File> SimFiles::Open(const std::string& path, platform::OpenMode mode) {
  const std::string key = SystemKey(path);
  if (openErrors_.count(key) || (mode != platform::OpenMode::Read && readOnly_.count(key)))
    throw OsError("Cannot open file \"" + path + "\". Access is denied");
  switch (mode) {
    case platform::OpenMode::Read:
    case platform::OpenMode::ReadWrite:
      if (!files_.count(key)) throw OsError("Cannot open file \"" + path + "\". The system cannot find the file specified");
      break;
    case platform::OpenMode::Create:
      if (!directories_.count(ParentKey(key)))
        throw OsError("Cannot create file \"" + path + "\". The system cannot find the path specified");
      files_[key] = FileBytes();
      shownNames_.emplace(key, codePages_.ToSystem(path));
      break;
  }
  return std::make_unique<SimFile>(*this, key, mode != platform::OpenMode::Read);
}

void SimFiles::MakeDirectory(const std::string& path) {
  const std::string key = SystemKey(path);
  if (directories_.count(key) || files_.count(key)) throw OsError("Cannot create folder " + path);
  if (!directories_.count(ParentKey(key))) throw OsError("Cannot create folder " + path);
  directories_.insert(key);
}

void SimFiles::RemoveFile(const std::string& path) {
  const std::string key = SystemKey(path);
  if (openErrors_.count(key) || readOnly_.count(key) || !files_.erase(key)) throw OsError("Cannot delete file " + path);
  log_.Add("delete " + path);
}

std::optional<std::string_view> SimFiles::OwnResourceBytes(const std::string& name) {
  if (!resourcesFromImage_) {
    auto it = resources_.find(Upper(name));
    if (it == resources_.end()) return std::nullopt;
    return std::string_view(it->second);
  }
  auto it = files_.find(Key(ownPath_));
  if (it == files_.end()) return std::nullopt;
  const std::string_view image = it->second.View();
  if (ownIndex_.data != image.data() || ownIndex_.size != image.size()) {
    ownIndex_.data = image.data();
    ownIndex_.size = image.size();
    ownIndex_.leaves = ReadResourceTree(image, InspectPeImage(image));
  }
  const auto leaf = FindRcDataLeaf(ownIndex_.leaves, name);
  if (!leaf) return std::nullopt;
  return image.substr(static_cast<std::size_t>(leaf->dataOffset), leaf->size);
}

std::optional<std::string> SimFiles::ReadOwnResource(const std::string& name) {
  const auto bytes = OwnResourceBytes(name);
  if (!bytes) return std::nullopt;
  return std::string(*bytes);
}

bool SimFiles::ExtractOwnResource(const std::string& name, const std::string& path) {
  const auto bytes = OwnResourceBytes(name);
  if (!bytes) return false;
  const std::string key = SystemKey(path);
  const std::string ownKey = Key(ownPath_);
  if (!resourcesFromImage_ || key == ownKey || writeErrors_.count(key) != 0) {
    // Through a file as any write, so failures and the log stay the same.
    const std::string copy(*bytes);
    Open(path, platform::OpenMode::Create)->Write(copy);
    return true;
  }
  // Opened as any write would (its refusals and the name the disk shows),
  // then it shares the executable's bytes instead of copying them.
  Open(path, platform::OpenMode::Create);
  FileBytes& image = files_[ownKey];
  const auto offset = static_cast<std::size_t>(bytes->data() - image.View().data());
  files_[key] = image.Part(offset, bytes->size());
  return true;
}

}  // namespace vx::sim
