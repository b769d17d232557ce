// Drives and INI files of the simulated desktop.

#include "platform/sim/sim_files.h"

namespace vx::sim {

namespace {

char UpperLetter(const std::string& root) {
  if (root.empty()) return '\0';
  char c = root[0];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return c;
}

std::string Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

void SimFiles::SetDrive(char letter, platform::DriveKind kind,
                        std::optional<platform::DriveSpace> space) {
  drives_[UpperLetter(std::string(1, letter))] = {kind, space};
}

platform::DriveKind SimFiles::DriveKindOf(const std::string& root) {
  const auto it = drives_.find(UpperLetter(root));
  return it == drives_.end() ? platform::DriveKind::NoRootDir : it->second.kind;
}

std::optional<platform::DriveSpace> SimFiles::DriveSpaceOf(const std::string& root) {
  const auto it = drives_.find(UpperLetter(root));
  if (it == drives_.end()) return std::nullopt;
  return it->second.space;
}

std::string SimFiles::ReadIniString(const std::string& file, const std::string& section,
                                    const std::string& key) {
  const std::string path =
      file.find('\\') == std::string::npos ? WindowsFolder() + "\\" + file : file;
  const auto it = files_.find(Key(path));
  if (it == files_.end()) return "";
  std::string_view text = it->second;
  bool inSection = false;
  while (!text.empty()) {
    const auto cut = text.find_first_of("\r\n");
    std::string line = Trim(text.substr(0, cut));
    text.remove_prefix(cut == std::string_view::npos ? text.size() : cut + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const auto close = line.find(']');
      inSection = close != std::string::npos && SameNoCase(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos || !SameNoCase(Trim(line.substr(0, eq)), key)) continue;
    std::string value = Trim(line.substr(eq + 1));
    // The system strips one pair of enclosing quotes.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return "";
}

}  // namespace vx::sim
