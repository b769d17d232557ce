#include "host/embedded_files.h"

namespace vx {

std::string ExtractedFileName(const std::string& entry) {
  const auto cut = entry.find_last_of("\\/:");
  std::string name = cut == std::string::npos ? entry : entry.substr(cut + 1);
  if (name == "." || name == "..") name.clear();
  return name;
}

}  // namespace vx
