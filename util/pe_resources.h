#pragma once
// Reading the resources of a Windows executable (PE32 or PE32+) held in
// memory. The presentation lives in named RCDATA resources of the player, so
// the runtime, the simulated desktop and the packing tool all read them here.
// Every read is bounds-checked: a malformed file throws vx::StreamError
// naming the byte offset of the field that could not be used.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr std::uint32_t kRtRcData = 10;

struct PeSection {
  std::string name;  // the 8 raw name bytes, trailing NULs removed
  std::uint32_t virtualSize = 0;
  std::uint32_t virtualAddress = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawPointer = 0;
  std::uint32_t characteristics = 0;
};

struct PeImageInfo {
  // End of the last section's raw data (at least the end of the headers):
  // where appended data begins.
  std::uint64_t imageEnd = 0;
  bool pe32Plus = false;
  std::uint32_t peHeaderOffset = 0;        // "PE\0\0"
  std::uint32_t optionalHeaderOffset = 0;  // the magic
  std::uint32_t sectionTableOffset = 0;
  std::uint32_t sizeOfOptionalHeader = 0;
  std::uint32_t sectionAlignment = 0;
  std::uint32_t fileAlignment = 0;
  std::uint32_t sizeOfImage = 0;
  std::uint32_t sizeOfHeaders = 0;
  std::uint32_t dataDirectoryOffset = 0;  // file offset of data directory 0
  std::uint32_t dataDirectoryCount = 0;   // usable entries, at most 16
  std::uint32_t resourceRva = 0;          // 0 when the image has no resources
  std::uint32_t resourceSize = 0;
  std::vector<PeSection> sections;  // in section-table order
};

PeImageInfo InspectPeImage(std::string_view image);

// The file offset of `size` bytes at `rva`, which must lie inside the raw
// data of one section.
std::optional<std::uint64_t> RvaToFileOffset(const PeImageInfo& info, std::uint64_t rva,
                                             std::uint64_t size);

struct PeResource {
  std::string name;
  std::string bytes;
};

// Named RCDATA entries only (first language of each), names as stored, in
// directory order. A name met twice keeps its first entry.
std::vector<PeResource> ReadRcDataResources(std::string_view image);

// Windows' lookup rule: A-Z compare without regard to case.
std::optional<std::string> FindRcDataResource(std::string_view image, std::string_view name);

// A directory entry key at any level: a UTF-16 name or a 16-bit ID.
struct PeResourceKey {
  bool named = false;
  std::u16string name;
  std::uint16_t id = 0;

  friend bool operator==(const PeResourceKey&, const PeResourceKey&) = default;
};

// Windows binary-searches each directory: named entries first, ordered by
// UTF-16 code units (a prefix before its extensions), then IDs ascending.
bool ResourceKeyLess(const PeResourceKey& a, const PeResourceKey& b);

// One leaf of the type / name / language tree.
struct PeResourceLeaf {
  PeResourceKey type;
  PeResourceKey name;
  PeResourceKey language;
  std::uint32_t codePage = 0;
  std::uint64_t dataOffset = 0;  // file offset of the bytes
  std::uint32_t size = 0;
};

// Every leaf of the resource tree in directory order; empty when the image
// has no resource directory.
std::vector<PeResourceLeaf> ReadResourceTree(std::string_view image, const PeImageInfo& info);

// UTF-16 to 8 bits: ASCII units kept, anything else becomes '?'.
std::string ResourceNameToBytes(std::u16string_view name);

// The named RCDATA leaf that Windows' lookup finds among leaves (as
// ReadResourceTree gives them), or nothing: a caller that keeps the image
// reads its bytes in place, without a copy.
std::optional<PeResourceLeaf> FindRcDataLeaf(const std::vector<PeResourceLeaf>& leaves, std::string_view name);

}  // namespace vx
