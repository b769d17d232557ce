#include "tools/vxrun/presentation_file.h"

#include <fstream>

namespace vx::tools {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(bytes.data(), size);
  return static_cast<bool>(in) || size == 0;
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void PlaceOwnExecutable(sim::SimDesktop& desktop, std::string executableBytes, const std::string& fileName) {
  desktop.files.SetOwnExecutable("C:\\Presentation\\" + fileName, std::move(executableBytes));
  desktop.files.UseResourcesOfOwnExecutable();
}

}  // namespace vx::tools
