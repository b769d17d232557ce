#include "util/trailer.h"

#include <cstdint>

namespace vx {

namespace {
constexpr std::uint64_t kCountSize = 4;

std::string EncodeCount(std::uint32_t count) {
  std::string bytes(kCountSize, '\0');
  for (std::size_t i = 0; i < kCountSize; ++i)
    bytes[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
  return bytes;
}

std::uint32_t DecodeCount(const std::string& bytes) {
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < kCountSize; ++i)
    count |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  return count;
}
}  // namespace

bool AppendTrailer(platform::Files& files, const std::string& fileName, const std::string& stream) {
  if (!files.FileExists(fileName)) return false;
  auto file = files.Open(fileName, platform::OpenMode::ReadWrite);
  file->Seek(file->Size());
  file->Write(stream);
  file->Write(EncodeCount(static_cast<std::uint32_t>(stream.size() + kCountSize)));
  return true;
}

bool ReadTrailer(platform::Files& files, const std::string& fileName, std::string& stream) {
  if (!files.FileExists(fileName)) return false;
  auto file = files.Open(fileName, platform::OpenMode::Read);
  const std::uint64_t size = file->Size();
  if (size < kCountSize) return false;
  file->Seek(size - kCountSize);
  const std::uint64_t count = DecodeCount(file->Read(kCountSize));
  // A count below 4 would describe a block of negative size.
  if (count > size || count < kCountSize) return false;
  file->Seek(size - count);
  stream = file->Read(static_cast<std::size_t>(count - kCountSize));
  return true;
}

}  // namespace vx
