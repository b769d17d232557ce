#include "platform/live/sandbox_paths.h"

#include <stdexcept>
#include <vector>

namespace vx::live {

namespace {

bool SafeNameChar(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.' || c == ' ';
}

std::string PresentationName(const std::string& fileName) {
  std::string name = fileName;
  const auto slash = name.find_last_of('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  if (name.size() >= 4) {
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (tail == ".exe") name.resize(name.size() - 4);
  }
  for (char& c : name)
    if (!SafeNameChar(static_cast<unsigned char>(c))) c = '_';
  if (name.empty() || name == "." || name == "..") name = "presentation";
  return name;
}

}  // namespace

std::string DataFolderFor(const std::string& executableFileName, const char* xdgDataHome, const char* home) {
  std::string base;
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') base = xdgDataHome;
  else if (home != nullptr && home[0] == '/') base = std::string(home) + "/.local/share";
  else throw std::runtime_error("no folder for the presentation's data: set HOME or XDG_DATA_HOME");
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/vexorelle/" + PresentationName(executableFileName);
}

std::string DiskPathOf(const std::string& dataFolder, const std::string& windowsPath) {
  std::string path = windowsPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  char drive = 'C';
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
    drive = static_cast<char>(path[0] >= 'a' ? path[0] - 'a' + 'A' : path[0]);
    path.erase(0, 2);
  }
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= path.size()) {
    const auto next = path.find('\\', at);
    std::string part = path.substr(at, next == std::string::npos ? std::string::npos : next - at);
    at = next == std::string::npos ? path.size() + 1 : next + 1;
    // Windows drops a part's trailing spaces, and trailing dots after a name.
    while (!part.empty() && part.back() == ' ') part.pop_back();
    if (part.find_first_not_of('.') != std::string::npos)
      while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
    if (part.empty() || part == ".") continue;
    // Dots alone climb: no part may name the folder above.
    if (part.find_first_not_of('.') == std::string::npos) {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    std::string clean;
    for (char c : part) clean += (c == '\0' || c == ':') ? '_' : c;
    parts.push_back(clean);
  }
  std::string out = dataFolder + "/disk/" + drive;
  for (const std::string& p : parts) out += "/" + p;
  return out;
}

std::string RegistryFileOf(const std::string& dataFolder) { return dataFolder + "/registry.txt"; }

}  // namespace vx::live
