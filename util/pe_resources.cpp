#include "util/pe_resources.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "util/error.h"

namespace vx {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kDirectoryEntrySize = 8;
constexpr std::uint64_t kDataEntrySize = 16;
constexpr std::uint64_t kSectionHeaderSize = 40;

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "0x" + digits;
}

[[noreturn]] void Fail(std::uint64_t offset, const std::string& what) {
  throw StreamError("offset " + Hex(offset) + ": " + what);
}

class Bytes {
 public:
  explicit Bytes(std::string_view image) : image_(image) {}

  bool Has(std::uint64_t offset, std::uint64_t size) const {
    return offset <= image_.size() && size <= image_.size() - offset;
  }
  void Need(std::uint64_t offset, std::uint64_t size, const std::string& what) const {
    if (!Has(offset, size)) Fail(offset, "file ends inside " + what);
  }
  std::uint16_t U16(std::uint64_t offset, const std::string& what) const {
    Need(offset, 2, what);
    return static_cast<std::uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
  }
  std::uint32_t U32(std::uint64_t offset, const std::string& what) const {
    Need(offset, 4, what);
    return static_cast<std::uint32_t>(Byte(offset)) | (static_cast<std::uint32_t>(Byte(offset + 1)) << 8) |
           (static_cast<std::uint32_t>(Byte(offset + 2)) << 16) |
           (static_cast<std::uint32_t>(Byte(offset + 3)) << 24);
  }
  std::string_view View(std::uint64_t offset, std::uint64_t size) const {
    return image_.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
  }
  std::uint64_t size() const { return image_.size(); }

 private:
  unsigned Byte(std::uint64_t offset) const {
    return static_cast<unsigned char>(image_[static_cast<std::size_t>(offset)]);
  }
  std::string_view image_;
};

// Walks the fixed three levels of the tree. Directories and names may not be
// shared or overlap in a sound file, so the bytes read are capped by the size
// of the resource section: a hostile tree cannot make the walk quadratic.
class TreeWalker {
 public:
  TreeWalker(const Bytes& bytes, const PeImageInfo& info, std::uint64_t base, std::uint64_t limit)
      : bytes_(bytes), info_(info), base_(base), limit_(limit), budget_(limit - base) {}

  std::vector<PeResourceLeaf> Walk(std::uint64_t rootField) {
    PeResourceKey path[2];
    Directory(0, 0, rootField, path);
    return std::move(leaves_);
  }

 private:
  bool Inside(std::uint64_t relative, std::uint64_t size) const {
    return relative <= limit_ - base_ && size <= limit_ - base_ - relative;
  }

  void Spend(std::uint64_t amount, std::uint64_t offset, const char* what) {
    if (amount > budget_) Fail(offset, std::string(what) + " overlap or are shared");
    budget_ -= amount;
  }

  void Directory(int level, std::uint64_t relative, std::uint64_t field, PeResourceKey* path) {
    if (!Inside(relative, kDirectoryHeaderSize)) {
      Fail(field, "resource directory offset points past the end of the resource section");
    }
    if (!visited_.insert(relative).second) {
      Fail(field, "resource directory loop (a directory is reached twice)");
    }
    const std::uint64_t at = base_ + relative;
    const std::uint64_t count =
        std::uint64_t{bytes_.U16(at + 12, "a resource directory")} + bytes_.U16(at + 14, "a resource directory");
    if (!Inside(relative, kDirectoryHeaderSize + count * kDirectoryEntrySize)) {
      Fail(at + 12, "resource directory entries run past the end of the resource section");
    }
    Spend(kDirectoryHeaderSize + count * kDirectoryEntrySize, at, "resource directories");
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::uint64_t entry = at + kDirectoryHeaderSize + i * kDirectoryEntrySize;
      const std::uint32_t nameField = bytes_.U32(entry, "a resource directory entry");
      const std::uint32_t dataField = bytes_.U32(entry + 4, "a resource directory entry");
      PeResourceKey key = Key(nameField, entry);
      const bool isDirectory = (dataField & kHighBit) != 0;
      if (level < 2) {
        if (!isDirectory) Fail(entry + 4, "expected a resource subdirectory, found a data entry");
        path[level] = std::move(key);
        Directory(level + 1, dataField & ~kHighBit, entry + 4, path);
      } else {
        if (isDirectory) Fail(entry + 4, "expected a resource data entry, found a subdirectory");
        Leaf(path, std::move(key), dataField, entry + 4);
      }
    }
  }

  PeResourceKey Key(std::uint32_t nameField, std::uint64_t entry) {
    PeResourceKey key;
    if ((nameField & kHighBit) == 0) {
      key.id = static_cast<std::uint16_t>(nameField & 0xFFFF);
      return key;
    }
    key.named = true;
    const std::uint64_t relative = nameField & ~kHighBit;
    if (auto cached = names_.find(relative); cached != names_.end()) {
      key.name = cached->second;
      return key;
    }
    if (!Inside(relative, 2)) Fail(entry, "resource name offset points past the end of the resource section");
    const std::uint64_t at = base_ + relative;
    const std::uint64_t length = bytes_.U16(at, "a resource name");
    if (!Inside(relative + 2, length * 2)) Fail(at, "resource name runs past the end of the resource section");
    Spend(2 + length * 2, at, "resource names");
    key.name.reserve(static_cast<std::size_t>(length));
    for (std::uint64_t i = 0; i < length; ++i) {
      key.name.push_back(static_cast<char16_t>(bytes_.U16(at + 2 + i * 2, "a resource name")));
    }
    names_.emplace(relative, key.name);
    return key;
  }

  void Leaf(const PeResourceKey* path, PeResourceKey language, std::uint32_t relative, std::uint64_t field) {
    if (!Inside(relative, kDataEntrySize)) {
      Fail(field, "resource data entry offset points past the end of the resource section");
    }
    const std::uint64_t at = base_ + relative;
    PeResourceLeaf leaf;
    leaf.type = path[0];
    leaf.name = path[1];
    leaf.language = std::move(language);
    const std::uint32_t rva = bytes_.U32(at, "a resource data entry");
    leaf.size = bytes_.U32(at + 4, "a resource data entry");
    leaf.codePage = bytes_.U32(at + 8, "a resource data entry");
    if (leaf.size > bytes_.size() - totalData_) {
      Fail(at + 4, "resource data sizes add up to more than the file holds");
    }
    totalData_ += leaf.size;
    if (leaf.size != 0) {
      const auto offset = RvaToFileOffset(info_, rva, leaf.size);
      if (!offset) Fail(at, "resource data RVA " + Hex(rva) + " is not inside any section's raw data");
      leaf.dataOffset = *offset;
    }
    leaves_.push_back(std::move(leaf));
  }

  const Bytes& bytes_;
  const PeImageInfo& info_;
  std::uint64_t base_;
  std::uint64_t limit_;
  std::uint64_t budget_;
  std::uint64_t totalData_ = 0;
  std::set<std::uint64_t> visited_;
  std::unordered_map<std::uint64_t, std::u16string> names_;
  std::vector<PeResourceLeaf> leaves_;
};

bool IsRcDataName(const PeResourceLeaf& leaf) {
  return !leaf.type.named && leaf.type.id == kRtRcData && leaf.name.named;
}

char16_t FoldAscii(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

bool SameNameIgnoringCase(std::u16string_view stored, std::string_view wanted) {
  if (stored.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const auto byte = static_cast<unsigned char>(wanted[i]);
    // A byte outside ASCII has no defined UTF-16 counterpart here.
    if (byte >= 0x80) return false;
    if (FoldAscii(stored[i]) != FoldAscii(static_cast<char16_t>(byte))) return false;
  }
  return true;
}

}  // namespace

PeImageInfo InspectPeImage(std::string_view image) {
  const Bytes bytes(image);
  if (image.size() < 2 || image[0] != 'M' || image[1] != 'Z') Fail(0, "expected the DOS signature \"MZ\"");
  PeImageInfo info;
  info.peHeaderOffset = bytes.U32(0x3C, "the DOS header");
  if (!bytes.Has(info.peHeaderOffset, 4)) Fail(0x3C, "PE header offset points past the end of the file");
  if (bytes.View(info.peHeaderOffset, 4) != std::string_view("PE\0\0", 4)) {
    Fail(info.peHeaderOffset, "expected the PE signature \"PE\\0\\0\"");
  }
  const std::uint64_t fileHeader = std::uint64_t{info.peHeaderOffset} + 4;
  const std::uint16_t sectionCount = bytes.U16(fileHeader + 2, "the file header");
  info.sizeOfOptionalHeader = bytes.U16(fileHeader + 16, "the file header");
  const std::uint64_t optional = fileHeader + 20;
  info.optionalHeaderOffset = static_cast<std::uint32_t>(optional);
  const std::uint16_t magic = bytes.U16(optional, "the optional header");
  std::uint64_t fixedPart = 0;
  if (magic == 0x10B) {
    fixedPart = 96;
  } else if (magic == 0x20B) {
    info.pe32Plus = true;
    fixedPart = 112;
  } else {
    Fail(optional, "expected the optional header magic 0x10B (PE32) or 0x20B (PE32+)");
  }
  if (info.sizeOfOptionalHeader < fixedPart) {
    Fail(fileHeader + 16, "optional header size " + Hex(info.sizeOfOptionalHeader) + " is too small");
  }
  bytes.Need(optional, info.sizeOfOptionalHeader, "the optional header");
  info.sectionAlignment = bytes.U32(optional + 32, "the optional header");
  info.fileAlignment = bytes.U32(optional + 36, "the optional header");
  info.sizeOfImage = bytes.U32(optional + 56, "the optional header");
  info.sizeOfHeaders = bytes.U32(optional + 60, "the optional header");
  if (info.sizeOfHeaders > image.size()) Fail(optional + 60, "SizeOfHeaders points past the end of the file");
  const std::uint32_t declared = bytes.U32(optional + fixedPart - 4, "the optional header");
  const std::uint64_t room = (info.sizeOfOptionalHeader - fixedPart) / 8;
  info.dataDirectoryCount = static_cast<std::uint32_t>(std::min<std::uint64_t>({declared, 16, room}));
  info.dataDirectoryOffset = static_cast<std::uint32_t>(optional + fixedPart);
  if (info.dataDirectoryCount > 2) {
    info.resourceRva = bytes.U32(info.dataDirectoryOffset + 16, "the data directories");
    info.resourceSize = bytes.U32(info.dataDirectoryOffset + 20, "the data directories");
  }

  const std::uint64_t table = optional + info.sizeOfOptionalHeader;
  bytes.Need(table, sectionCount * kSectionHeaderSize, "the section table");
  info.sectionTableOffset = static_cast<std::uint32_t>(table);
  info.imageEnd = std::max<std::uint64_t>(table + sectionCount * kSectionHeaderSize, info.sizeOfHeaders);
  info.sections.reserve(sectionCount);
  for (std::uint64_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t at = table + i * kSectionHeaderSize;
    PeSection section;
    std::string_view name = bytes.View(at, 8);
    section.name = std::string(name.substr(0, std::min(name.find('\0'), name.size())));
    section.virtualSize = bytes.U32(at + 8, "the section table");
    section.virtualAddress = bytes.U32(at + 12, "the section table");
    section.rawSize = bytes.U32(at + 16, "the section table");
    section.rawPointer = bytes.U32(at + 20, "the section table");
    section.characteristics = bytes.U32(at + 36, "the section table");
    if (section.rawSize != 0) {
      if (!bytes.Has(section.rawPointer, section.rawSize)) {
        Fail(at + 16, "raw data of section \"" + section.name + "\" runs past the end of the file");
      }
      info.imageEnd = std::max<std::uint64_t>(info.imageEnd, std::uint64_t{section.rawPointer} + section.rawSize);
    }
    info.sections.push_back(std::move(section));
  }
  return info;
}

std::optional<std::uint64_t> RvaToFileOffset(const PeImageInfo& info, std::uint64_t rva, std::uint64_t size) {
  for (const PeSection& section : info.sections) {
    if (rva < section.virtualAddress) continue;
    const std::uint64_t into = rva - section.virtualAddress;
    if (into <= section.rawSize && size <= section.rawSize - into) {
      return std::uint64_t{section.rawPointer} + into;
    }
  }
  return std::nullopt;
}

bool ResourceKeyLess(const PeResourceKey& a, const PeResourceKey& b) {
  if (a.named != b.named) return a.named;
  if (a.named) return a.name < b.name;
  return a.id < b.id;
}

std::vector<PeResourceLeaf> ReadResourceTree(std::string_view image, const PeImageInfo& info) {
  if (info.resourceRva == 0) return {};
  const std::uint64_t field = std::uint64_t{info.dataDirectoryOffset} + 16;
  for (const PeSection& section : info.sections) {
    if (info.resourceRva < section.virtualAddress) continue;
    const std::uint64_t into = info.resourceRva - section.virtualAddress;
    if (into >= section.rawSize) continue;
    const std::uint64_t base = std::uint64_t{section.rawPointer} + into;
    const std::uint64_t limit = std::uint64_t{section.rawPointer} + section.rawSize;
    const Bytes bytes(image);
    TreeWalker walker(bytes, info, base, limit);
    return walker.Walk(field);
  }
  Fail(field, "resource directory RVA " + Hex(info.resourceRva) + " is not inside any section's raw data");
}

std::string ResourceNameToBytes(std::u16string_view name) {
  std::string bytes;
  bytes.reserve(name.size());
  for (char16_t unit : name) bytes.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return bytes;
}

std::vector<PeResource> ReadRcDataResources(std::string_view image) {
  const PeImageInfo info = InspectPeImage(image);
  std::vector<PeResource> resources;
  std::set<std::u16string> seen;
  for (const PeResourceLeaf& leaf : ReadResourceTree(image, info)) {
    if (!IsRcDataName(leaf) || !seen.insert(leaf.name.name).second) continue;
    resources.push_back({ResourceNameToBytes(leaf.name.name),
                         std::string(image.substr(static_cast<std::size_t>(leaf.dataOffset), leaf.size))});
  }
  return resources;
}

std::optional<PeResourceLeaf> FindRcDataLeaf(const std::vector<PeResourceLeaf>& leaves, std::string_view name) {
  for (const PeResourceLeaf& leaf : leaves)
    if (IsRcDataName(leaf) && SameNameIgnoringCase(leaf.name.name, name)) return leaf;
  return std::nullopt;
}

std::optional<std::string> FindRcDataResource(std::string_view image, std::string_view name) {
  const auto leaf = FindRcDataLeaf(ReadResourceTree(image, InspectPeImage(image)), name);
  if (!leaf) return std::nullopt;
  return std::string(image.substr(static_cast<std::size_t>(leaf->dataOffset), leaf->size));
}

}  // namespace vx
