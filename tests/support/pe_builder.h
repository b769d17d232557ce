#pragma once
// Assembles small synthetic PE images for tests: headers, sections, a
// resource section written in exactly the order given (unsorted trees and
// odd layouts are the point), and appended bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/pe_resources.h"

namespace vx::test {

// Fixed layout of every built image.
inline constexpr std::uint32_t kPeOffset = 0x80;
inline constexpr std::uint32_t kFileHeaderOffset = kPeOffset + 4;
inline constexpr std::uint32_t kOptionalHeaderOffset = kPeOffset + 24;
inline constexpr std::uint32_t kPe32SectionTable = kOptionalHeaderOffset + 0xE0;
inline constexpr std::uint32_t kPe32DataDirectories = kOptionalHeaderOffset + 96;

PeResourceKey ResId(std::uint16_t id);
PeResourceKey ResName(std::u16string_view name);

struct TestResource {
  PeResourceKey type;
  PeResourceKey name;
  PeResourceKey language;
  std::string bytes;
  std::uint32_t codePage = 0;
};

// A named RCDATA resource in the given language.
TestResource RcData(std::u16string_view name, std::string bytes, std::uint16_t language = 0);

// A resource section for `rva`. Directories follow the first appearance of
// each type and name in `resources`, without sorting.
std::string BuildResourceSection(const std::vector<TestResource>& resources, std::uint32_t rva);

class PeBuilder {
 public:
  PeBuilder& Pe32Plus(bool on = true);
  PeBuilder& Alignment(std::uint32_t file, std::uint32_t section);
  // SizeOfHeaders before file alignment; the default leaves room for a few
  // more section headers.
  PeBuilder& HeaderSize(std::uint32_t size);
  // Raw data empty: an uninitialised section of `virtualSize` bytes.
  PeBuilder& Section(std::string name, std::string data, std::uint32_t characteristics = 0x40000040,
                     std::uint32_t virtualSize = 0);
  // A section holding the resources, addressed by the resource directory.
  PeBuilder& Resources(std::vector<TestResource> resources, std::string name = ".rsrc");
  // Points data directory `index` at the whole of section `section`.
  PeBuilder& Directory(int index, int section);
  PeBuilder& Appended(std::string bytes);

  std::string Build() const;

 private:
  struct Part {
    std::string name;
    std::string data;
    std::uint32_t characteristics = 0;
    std::uint32_t virtualSize = 0;
    bool resources = false;
    std::vector<TestResource> tree;
  };
  bool pe32Plus_ = false;
  std::uint32_t fileAlignment_ = 0x200;
  std::uint32_t sectionAlignment_ = 0x1000;
  std::uint32_t headerSize_ = 0x400;
  std::vector<Part> parts_;
  std::vector<std::pair<int, int>> directories_;
  std::string appended_;
};

// Little-endian field access for corrupting built images.
std::uint32_t Read32(std::string_view image, std::size_t at);
void Write32(std::string& image, std::size_t at, std::uint32_t value);
void Write16(std::string& image, std::size_t at, std::uint16_t value);

}  // namespace vx::test
