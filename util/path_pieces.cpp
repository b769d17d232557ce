#include "util/path_pieces.h"

namespace vx {

namespace {

// Index just past the folder part: after the last "\" or drive ":"; 0 when none.
std::size_t NameStart(std::string_view fileName) {
  const std::size_t last = fileName.find_last_of("\\:");
  return last == std::string_view::npos ? 0 : last + 1;
}

// The folder part keeps its "\" only where it is a root (C:\ or \).
std::string_view FolderOf(std::string_view fileName) {
  std::size_t end = NameStart(fileName);
  if (end > 1 && fileName[end - 1] == '\\' && fileName[end - 2] != '\\' && fileName[end - 2] != ':')
    --end;
  return fileName.substr(0, end);
}

std::string_view NameOf(std::string_view fileName) { return fileName.substr(NameStart(fileName)); }

}  // namespace

std::string PathWithoutDrive(std::string_view fileName) {
  const std::string_view folder = FolderOf(fileName);
  const std::size_t slash = folder.find('\\');
  return std::string(slash == std::string_view::npos ? folder : folder.substr(slash + 1));
}

std::string NameWithoutExtension(std::string_view fileName) {
  const std::string_view name = NameOf(fileName);
  return std::string(name.substr(0, name.find('.')));
}

std::string ExtensionOf(std::string_view fileName) {
  const std::string_view name = NameOf(fileName);
  const std::size_t dot = name.find('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

}  // namespace vx
