#include "platform/live/dialog_answers.h"

#include <cmath>

#include "platform/live/sandbox_paths.h"

namespace vx::live {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The rest of path below folder ("" for the folder itself), or nothing when
// it is not inside.
std::optional<std::string> Below(const std::string& path, std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return std::nullopt;
  if (path.size() == folder.size()) return std::string();
  if (path[folder.size()] != '/') return std::nullopt;
  return path.substr(folder.size() + 1);
}

std::string Backslashed(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::uint8_t Channel(double value) {
  if (!(value > 0)) return 0;  // also NaN
  if (value >= 1) return 255;
  return static_cast<std::uint8_t>(std::lround(value * 255));
}

}  // namespace

std::vector<FilterEntry> ParseFilter(std::string_view filter) {
  std::vector<FilterEntry> entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FilterEntry entry{parts[i], {}};
    for (const std::string& pattern : Split(parts[i + 1], ';')) {
      std::string trimmed = pattern;
      while (!trimmed.empty() && trimmed.front() == ' ') trimmed.erase(trimmed.begin());
      while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
      if (!trimmed.empty()) entry.patterns.push_back(trimmed);
    }
    if (!entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<std::string> VirtualPathOfChosen(const std::string& realPath, const ChooserPlaces& places) {
  if (realPath.empty() || realPath.front() != '/') return std::nullopt;
  if (const auto onDisk = Below(realPath, places.dataFolder + "/disk")) {
    // disk/X/...: drive X; anything else in disk/ is no drive and goes outside.
    if (onDisk->size() >= 1 && IsLetter((*onDisk)[0]) && (onDisk->size() == 1 || (*onDisk)[1] == '/'))
      return std::string(1, (*onDisk)[0]) + ":\\" + Backslashed(onDisk->size() > 2 ? onDisk->substr(2) : "");
  }
  if (const auto beside = Below(realPath, places.besideFolder)) {
    std::string folder = places.besideVirtual;
    return beside->empty() ? folder : folder + "\\" + Backslashed(*beside);
  }
  const std::string rest = Backslashed(realPath);
  return std::string(1, kOutsideDrive) + ":" + (rest.empty() ? "\\" : rest);
}

bool IsOutsidePath(std::string_view virtualPath) {
  return virtualPath.size() >= 2 && virtualPath[1] == ':' && (virtualPath[0] == kOutsideDrive ||
                                                             virtualPath[0] == kOutsideDrive - 'A' + 'a');
}

std::string RealFolderOfInitial(const std::string& initialFolder, const ChooserPlaces& places) {
  if (initialFolder.empty()) return places.besideFolder;
  return DiskPathOf(places.dataFolder, initialFolder);
}

std::string LastPartOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string WithDefaultExtension(std::string path, const std::string& extension) {
  if (extension.empty()) return path;
  if (LastPartOf(path).find('.') == std::string::npos) path += "." + extension;
  return path;
}

platform::Color ColorOfChannels(double red, double green, double blue) {
  return platform::MakeColor(Channel(red), Channel(green), Channel(blue));
}

Channels ChannelsOfColor(platform::Color color) {
  return {platform::RedOf(color) / 255.0, platform::GreenOf(color) / 255.0, platform::BlueOf(color) / 255.0};
}

platform::FontSpec FontSpecOfChosen(const platform::FontSpec& before, const std::string& family, double points,
                                    int weight, bool italic) {
  platform::FontSpec font = before;
  if (!family.empty()) font.name = family;
  if (points > 0) font.size = static_cast<int>(std::lround(points));
  if (font.size < 1) font.size = 1;
  font.bold = weight >= 600;  // semi-bold and heavier draw as bold on Windows
  font.italic = italic;
  return font;
}

std::string PangoNameOf(const platform::FontSpec& font) {
  std::string name = font.name;
  if (font.bold) name += " Bold";
  if (font.italic) name += " Italic";
  return name + " " + std::to_string(font.size > 0 ? font.size : 8);
}

}  // namespace vx::live
