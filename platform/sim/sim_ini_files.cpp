// INI files of the simulated desktop: read and written the way the system's
// profile functions do, so what a script writes reads back through them.

#include "platform/sim/sim_files.h"
#include "util/error.h"
#include "util/ini_text.h"

namespace vx::sim {

std::string SimFiles::IniPath(const std::string& file) {
  return file.find('\\') == std::string::npos ? WindowsFolder() + "\\" + file : file;
}

bool SimFiles::Writable(const std::string& key) const {
  const auto slash = key.rfind('\\');
  const std::string parent = slash == std::string::npos ? std::string() : key.substr(0, slash);
  return !openErrors_.count(key) && !readOnly_.count(key) && directories_.count(parent) != 0 && directories_.count(key) == 0;
}

std::string SimFiles::ReadIniString(const std::string& file, const std::string& section,
                                    const std::string& key) {
  const auto it = files_.find(SystemKey(IniPath(file)));
  if (it == files_.end()) return "";
  return IniValue(it->second.View(), section, key);
}

void SimFiles::WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& text) {
  const std::string path = IniPath(file);
  const std::string fileKey = SystemKey(path);
  if (!Writable(fileKey) || section.empty() || key.empty()) throw OsError("Unable to write to " + path);
  const std::string entry = key + "=" + text;
  std::string out = WithIniEntry(files_.count(fileKey) ? files_[fileKey].View() : std::string_view(), section, key, text);
  files_[fileKey] = FileBytes(std::move(out));
  shownNames_.emplace(fileKey, codePages_.ToSystem(path));
  log_.Add("ini " + path + " [" + section + "] " + entry);
}

bool SimFiles::CopyFileOver(const std::string& source, const std::string& destination) {
  const std::string from = SystemKey(source);
  const std::string to = SystemKey(destination);
  // The system refuses a file onto itself: it cannot open it twice.
  if (from == to || !files_.count(from) || openErrors_.count(from) || readErrors_.count(from) || !Writable(to))
    return false;
  files_[to] = files_[from];
  shownNames_.emplace(to, codePages_.ToSystem(destination));
  log_.Add("copy " + source + " -> " + destination);
  return true;
}

bool SimFiles::MoveFileTo(const std::string& source, const std::string& destination) {
  const std::string from = SystemKey(source);
  const std::string to = SystemKey(destination);
  if (!files_.count(from) || openErrors_.count(from) || readOnly_.count(from) || files_.count(to) || !Writable(to))
    return false;
  files_[to] = std::move(files_[from]);
  files_.erase(from);
  shownNames_.emplace(to, codePages_.ToSystem(destination));
  log_.Add("move " + source + " -> " + destination);
  return true;
}

}  // namespace vx::sim
