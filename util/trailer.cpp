#include "util/trailer.h"

#include <cstdint>

#include "util/error.h"

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
  const std::uint64_t size = file->Size();
  file->Seek(size);
  // One write, and a failed one is cut off again: a half trailer would take
  // the file's own for a block of garbage.
  try {
    file->Write(stream + EncodeCount(static_cast<std::uint32_t>(stream.size() + kCountSize)));
  } catch (const Error&) {
    try {
      file->Resize(size);
    } catch (const Error&) {
      // The first error is the one to report.
    }
    throw;
  }
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
