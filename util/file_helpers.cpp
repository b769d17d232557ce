#include "platform/files.h"

namespace vx::platform {

std::string ReadWholeFile(Files& files, const std::string& path) {
  auto file = files.Open(path, OpenMode::Read);
  const auto size = file->Size();
  file->Seek(0);
  return file->Read(static_cast<std::size_t>(size));
}

void WriteWholeFile(Files& files, const std::string& path, const std::string& bytes) {
  auto file = files.Open(path, OpenMode::Create);
  file->Write(bytes);
}

}  // namespace vx::platform
