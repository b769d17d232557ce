#include "tools/common/pe_writer.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "util/error.h"

namespace vx::tools {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint32_t kResourceSectionFlags = 0x40000040;  // initialized data, readable
constexpr std::uint64_t kDataAlignment = 8;
constexpr int kSecurityDirectory = 4;
constexpr int kResourceDirectory = 2;

std::uint64_t AlignUp(std::uint64_t value, std::uint64_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

bool IsPowerOfTwo(std::uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

void Put16(std::string& out, std::uint64_t at, std::uint32_t value) {
  out[at] = static_cast<char>(value & 0xFF);
  out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint64_t at, std::uint64_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t Get32(std::string_view in, std::uint64_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(in[at + i]);
  return value;
}

char16_t UpperAscii(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

std::u16string UpperName(std::u16string_view name) {
  std::u16string upper(name);
  for (char16_t& unit : upper) unit = UpperAscii(unit);
  return upper;
}

// FindResource reads "#123" as the ID 123 and compares other names as UTF-16,
// so only printable ASCII not starting with '#' can be found by name.
std::u16string CheckedName(const std::string& name) {
  if (name.empty()) throw Error("resource name is empty");
  if (name.size() > 0xFFFF) throw Error("resource name is too long");
  if (name[0] == '#') throw Error("resource name \"" + name + "\" starts with '#' and would be read as an ID");
  std::u16string units;
  units.reserve(name.size());
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E) throw Error("resource name \"" + name + "\" is not printable ASCII");
    units.push_back(UpperAscii(static_cast<char16_t>(byte)));
  }
  return units;
}

struct Item {
  PeResourceKey type;
  PeResourceKey name;
  PeResourceKey language;
  std::uint32_t codePage = 0;
  std::string_view bytes;
};

bool ItemLess(const Item& a, const Item& b) {
  if (ResourceKeyLess(a.type, b.type)) return true;
  if (ResourceKeyLess(b.type, a.type)) return false;
  if (ResourceKeyLess(a.name, b.name)) return true;
  if (ResourceKeyLess(b.name, a.name)) return false;
  return ResourceKeyLess(a.language, b.language);
}

// The resource section as rc tools lay it out: all directory tables
// (breadth first), the data entries, the name strings, then the data.
class SectionLayout {
 public:
  explicit SectionLayout(const std::vector<Item>& items) : items_(items) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (types_.empty() || !(items_[types_.back().first].type == items_[i].type)) {
        types_.push_back({i, names_.size()});
        names_.push_back(i);
      } else if (!(items_[names_.back()].name == items_[i].name)) {
        names_.push_back(i);
      }
    }
    types_.push_back({items_.size(), names_.size()});
    names_.push_back(items_.size());

    std::uint64_t offset = DirectorySize(types_.size() - 1);
    for (std::size_t t = 0; t + 1 < types_.size(); ++t) {
      typeOffsets_.push_back(offset);
      offset += DirectorySize(types_[t + 1].second - types_[t].second);
    }
    for (std::size_t n = 0; n + 1 < names_.size(); ++n) {
      nameOffsets_.push_back(offset);
      offset += DirectorySize(names_[n + 1] - names_[n]);
    }
    dataEntries_ = offset;
    offset += 16 * items_.size();
    strings_ = offset;
    for (std::size_t t = 0; t + 1 < types_.size(); ++t) offset += StringSize(items_[types_[t].first].type);
    for (std::size_t n = 0; n + 1 < names_.size(); ++n) offset += StringSize(items_[names_[n]].name);
    for (const Item& item : items_) offset += StringSize(item.language);
    for (const Item& item : items_) {
      offset = AlignUp(offset, kDataAlignment);
      dataOffsets_.push_back(offset);
      offset += item.bytes.size();
    }
    size_ = offset;
  }

  std::uint64_t size() const { return size_; }
  // Directory offsets carry a flag in their top bit.
  bool TreeFits() const { return strings_ < kHighBit; }

  // Fills out[at, at + size()) for a section loaded at `rva`.
  void Write(std::string& out, std::uint64_t at, std::uint64_t rva) const {
    std::uint64_t string = strings_;
    auto keyField = [&](const PeResourceKey& key) -> std::uint64_t {
      if (!key.named) return key.id;
      const std::uint64_t offset = string;
      Put16(out, at + offset, static_cast<std::uint32_t>(key.name.size()));
      for (std::size_t i = 0; i < key.name.size(); ++i) Put16(out, at + offset + 2 + 2 * i, key.name[i]);
      string += StringSize(key);
      return kHighBit | offset;
    };
    auto header = [&](std::uint64_t offset, std::size_t first, std::size_t end, auto keyOf) {
      std::uint32_t named = 0;
      for (std::size_t i = first; i < end; ++i) named += keyOf(i).named ? 1 : 0;
      Put16(out, at + offset + 12, named);
      Put16(out, at + offset + 14, static_cast<std::uint32_t>(end - first - named));
    };

    const std::size_t typeCount = types_.size() - 1;
    header(0, 0, typeCount, [&](std::size_t t) -> const PeResourceKey& { return items_[types_[t].first].type; });
    for (std::size_t t = 0; t < typeCount; ++t) {
      const std::uint64_t entry = at + 16 + 8 * t;
      Put32(out, entry, keyField(items_[types_[t].first].type));
      Put32(out, entry + 4, kHighBit | typeOffsets_[t]);
    }
    for (std::size_t t = 0; t < typeCount; ++t) {
      const std::size_t first = types_[t].second;
      const std::size_t end = types_[t + 1].second;
      header(typeOffsets_[t], first, end, [&](std::size_t n) -> const PeResourceKey& { return items_[names_[n]].name; });
      for (std::size_t n = first; n < end; ++n) {
        const std::uint64_t entry = at + typeOffsets_[t] + 16 + 8 * (n - first);
        Put32(out, entry, keyField(items_[names_[n]].name));
        Put32(out, entry + 4, kHighBit | nameOffsets_[n]);
      }
    }
    for (std::size_t n = 0; n + 1 < names_.size(); ++n) {
      const std::size_t first = names_[n];
      const std::size_t end = names_[n + 1];
      header(nameOffsets_[n], first, end, [&](std::size_t i) -> const PeResourceKey& { return items_[i].language; });
      for (std::size_t i = first; i < end; ++i) {
        const std::uint64_t entry = at + nameOffsets_[n] + 16 + 8 * (i - first);
        Put32(out, entry, keyField(items_[i].language));
        Put32(out, entry + 4, dataEntries_ + 16 * i);
      }
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const std::uint64_t entry = at + dataEntries_ + 16 * i;
      Put32(out, entry, rva + dataOffsets_[i]);
      Put32(out, entry + 4, items_[i].bytes.size());
      Put32(out, entry + 8, items_[i].codePage);
      if (!items_[i].bytes.empty()) {
        std::memcpy(out.data() + at + dataOffsets_[i], items_[i].bytes.data(), items_[i].bytes.size());
      }
    }
  }

 private:
  static std::uint64_t DirectorySize(std::uint64_t entries) { return 16 + 8 * entries; }
  static std::uint64_t StringSize(const PeResourceKey& key) { return key.named ? 2 + 2 * key.name.size() : 0; }

  const std::vector<Item>& items_;
  std::vector<std::pair<std::size_t, std::size_t>> types_;  // first item, first name group; sentinel last
  std::vector<std::size_t> names_;                          // first item of each name group; sentinel last
  std::vector<std::uint64_t> typeOffsets_;
  std::vector<std::uint64_t> nameOffsets_;
  std::vector<std::uint64_t> dataOffsets_;
  std::uint64_t dataEntries_ = 0;
  std::uint64_t strings_ = 0;
  std::uint64_t size_ = 0;
};

std::vector<Item> CollectItems(std::string_view image, const PeImageInfo& info,
                               const std::vector<PeResource>& resources) {
  std::vector<Item> items;
  std::set<std::u16string> replaced;
  for (const PeResource& resource : resources) {
    Item item;
    item.type.id = kRtRcData;
    item.name.named = true;
    item.name.name = CheckedName(resource.name);
    if (resource.bytes.size() > 0xFFFFFFFFu) throw Error("resource \"" + resource.name + "\" is too large");
    item.bytes = resource.bytes;
    if (!replaced.insert(item.name.name).second) {
      throw Error("resource name \"" + resource.name + "\" is given twice");
    }
    items.push_back(std::move(item));
  }
  for (const PeResourceLeaf& leaf : ReadResourceTree(image, info)) {
    const bool rcData = !leaf.type.named && leaf.type.id == kRtRcData && leaf.name.named;
    if (rcData && replaced.count(UpperName(leaf.name.name)) != 0) continue;
    items.push_back({leaf.type, leaf.name, leaf.language, leaf.codePage,
                     image.substr(static_cast<std::size_t>(leaf.dataOffset), leaf.size)});
  }
  std::stable_sort(items.begin(), items.end(), ItemLess);
  // The loader can only ever find the first of equal keys.
  items.erase(std::unique(items.begin(), items.end(),
                          [](const Item& a, const Item& b) {
                            return a.type == b.type && a.name == b.name && a.language == b.language;
                          }),
              items.end());
  return items;
}

std::uint64_t VirtualEnd(const PeSection& section) {
  return std::uint64_t{section.virtualAddress} + std::max(section.virtualSize, section.rawSize);
}

// The .rsrc section can be rebuilt where it is only when nothing follows it
// in memory or in the file and nothing else lives in it.
bool CanRebuildInPlace(std::string_view image, const PeImageInfo& info, std::size_t index) {
  const PeSection& rsrc = info.sections[index];
  if (index + 1 != info.sections.size() || rsrc.virtualAddress != info.resourceRva || rsrc.rawSize == 0) return false;
  // Raw data overlapping the headers would cut them off.
  const std::uint64_t headers = info.sectionTableOffset + kSectionHeaderSize * info.sections.size();
  if (rsrc.rawPointer < std::max<std::uint64_t>(headers, info.sizeOfHeaders)) return false;
  for (std::size_t i = 0; i < index; ++i) {
    const PeSection& other = info.sections[i];
    if (VirtualEnd(other) > rsrc.virtualAddress) return false;
    if (other.rawSize != 0 && std::uint64_t{other.rawPointer} + other.rawSize > rsrc.rawPointer) return false;
  }
  for (std::uint32_t d = 0; d < info.dataDirectoryCount; ++d) {
    if (d == kResourceDirectory || d == kSecurityDirectory) continue;
    const std::uint32_t rva = Get32(image, info.dataDirectoryOffset + 8 * d);
    const std::uint32_t size = Get32(image, info.dataDirectoryOffset + 8 * d + 4);
    if (size != 0 && rva >= rsrc.virtualAddress && rva < VirtualEnd(rsrc)) return false;
  }
  return true;
}

// The COFF symbol and string tables that linkers put behind the sections.
// Section names longer than 8 bytes ("/4") point into the string table, so
// they move with the image instead of being dropped with the old trailer.
// Tables that do not parse are dropped.
std::string_view SymbolTables(std::string_view image, const PeImageInfo& info) {
  const std::uint64_t fileHeader = info.peHeaderOffset + 4;
  const std::uint64_t at = Get32(image, fileHeader + 8);
  const std::uint64_t symbols = std::uint64_t{Get32(image, fileHeader + 12)} * 18;
  if (at == 0 || at < info.imageEnd || at > image.size() || symbols > image.size() - at ||
      image.size() - at - symbols < 4) {
    return {};
  }
  const std::uint64_t strings = Get32(image, at + symbols);
  if (strings < 4 || strings > image.size() - at - symbols) return {};
  return image.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(symbols + strings));
}

std::optional<std::size_t> ResourceSectionIndex(const PeImageInfo& info) {
  if (info.resourceRva == 0) return std::nullopt;
  for (std::size_t i = 0; i < info.sections.size(); ++i) {
    const PeSection& section = info.sections[i];
    if (info.resourceRva >= section.virtualAddress && info.resourceRva - section.virtualAddress < section.rawSize) {
      return i;
    }
  }
  return std::nullopt;
}

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "0x" + digits;
}

// Padding is computed from these, so a hostile value must not reach it.
void CheckAlignments(const PeImageInfo& info) {
  if (!IsPowerOfTwo(info.fileAlignment) || info.fileAlignment > 0x10000) {
    throw StreamError("offset " + Hex(info.optionalHeaderOffset + 36) +
                      ": FileAlignment is not a power of two up to 0x10000");
  }
  if (!IsPowerOfTwo(info.sectionAlignment) || info.sectionAlignment < info.fileAlignment) {
    throw StreamError("offset " + Hex(info.optionalHeaderOffset + 32) +
                      ": SectionAlignment is not a power of two at least FileAlignment");
  }
}

}  // namespace

std::string WithRcDataResources(std::string_view playerImage, const std::vector<PeResource>& resources) {
  const PeImageInfo info = InspectPeImage(playerImage);
  CheckAlignments(info);
  if (info.dataDirectoryCount <= kResourceDirectory) {
    throw Error("the image has no resource entry in its data directory");
  }
  const std::vector<Item> items = CollectItems(playerImage, info, resources);
  const SectionLayout layout(items);
  if (!layout.TreeFits()) throw Error("the resource directory does not fit in 31-bit offsets");

  const auto rsrcIndex = ResourceSectionIndex(info);
  const bool inPlace = rsrcIndex && CanRebuildInPlace(playerImage, info, *rsrcIndex);
  std::vector<PeSection> sections = info.sections;
  std::uint64_t cut = info.imageEnd;  // everything from here on is dropped
  std::uint64_t oldRawSize = 0;
  std::size_t index = 0;
  if (inPlace) {
    index = *rsrcIndex;
    cut = sections[index].rawPointer;
    oldRawSize = sections[index].rawSize;
  } else {
    const std::uint64_t header = info.sectionTableOffset + kSectionHeaderSize * sections.size();
    std::uint64_t room = info.sizeOfHeaders;
    for (const PeSection& section : sections) {
      if (section.rawSize != 0) room = std::min<std::uint64_t>(room, section.rawPointer);
    }
    const bool blank = header + kSectionHeaderSize <= room &&
                       playerImage.substr(header, kSectionHeaderSize).find_first_not_of('\0') == std::string_view::npos;
    if (sections.size() >= 0xFFFF || !blank) {
      throw Error("the executable's headers have no room for another section header");
    }
    std::uint64_t virtualEnd = info.sizeOfHeaders;
    for (const PeSection& section : sections) virtualEnd = std::max(virtualEnd, VirtualEnd(section));
    PeSection added;
    added.name = ".rsrc";
    added.virtualAddress = static_cast<std::uint32_t>(std::min<std::uint64_t>(
        AlignUp(virtualEnd, info.sectionAlignment), 0xFFFFFFFFu));
    added.rawPointer = static_cast<std::uint32_t>(std::min<std::uint64_t>(
        AlignUp(info.imageEnd, info.fileAlignment), 0xFFFFFFFFu));
    added.characteristics = kResourceSectionFlags;
    index = sections.size();
    sections.push_back(added);
  }

  PeSection& rsrc = sections[index];
  const std::uint64_t rawSize = AlignUp(layout.size(), info.fileAlignment);
  std::uint64_t virtualEnd = std::uint64_t{rsrc.virtualAddress} + rawSize;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i != index) virtualEnd = std::max(virtualEnd, VirtualEnd(sections[i]));
  }
  const std::uint64_t imageSize = AlignUp(virtualEnd, info.sectionAlignment);
  if (imageSize > 0xFFFFFFFFu || std::uint64_t{rsrc.rawPointer} + rawSize > 0xFFFFFFFFu) {
    throw Error("the resources do not fit in a 32-bit image");
  }
  rsrc.virtualSize = static_cast<std::uint32_t>(layout.size());
  rsrc.rawSize = static_cast<std::uint32_t>(rawSize);

  const std::uint64_t fileHeader = info.peHeaderOffset + 4;
  const std::uint64_t optional = info.optionalHeaderOffset;
  const std::string_view symbols = SymbolTables(playerImage, info);
  const std::uint64_t symbolsAt = std::uint64_t{rsrc.rawPointer} + rawSize;
  if (!symbols.empty() && symbolsAt + symbols.size() > 0xFFFFFFFFu) {
    throw Error("the resources do not fit in a 32-bit image");
  }

  std::string out;
  out.reserve(static_cast<std::size_t>(symbolsAt + symbols.size()));
  out.append(playerImage.substr(0, static_cast<std::size_t>(cut)));
  out.resize(static_cast<std::size_t>(symbolsAt), '\0');
  layout.Write(out, rsrc.rawPointer, rsrc.virtualAddress);
  out.append(symbols);

  Put16(out, fileHeader + 2, static_cast<std::uint32_t>(sections.size()));
  if (!symbols.empty()) {
    Put32(out, fileHeader + 8, symbolsAt);
  } else if (Get32(out, fileHeader + 8) >= cut) {
    Put32(out, fileHeader + 8, 0);
    Put32(out, fileHeader + 12, 0);
  }
  Put32(out, optional + 56, imageSize);
  const std::uint32_t initialized = Get32(out, optional + 8);
  const std::uint64_t grown = std::uint64_t{initialized} + rawSize;
  Put32(out, optional + 8, grown > oldRawSize ? std::min<std::uint64_t>(grown - oldRawSize, 0xFFFFFFFFu) : 0);
  Put32(out, optional + 64, 0);  // checksum
  Put32(out, info.dataDirectoryOffset + 8 * kResourceDirectory, rsrc.virtualAddress);
  Put32(out, info.dataDirectoryOffset + 8 * kResourceDirectory + 4, layout.size());
  if (info.dataDirectoryCount > kSecurityDirectory) {
    // The certificate table is addressed by file offset and usually sits
    // behind the image; a modified file no longer matches it anyway.
    const std::uint64_t security = info.dataDirectoryOffset + 8 * kSecurityDirectory;
    if (Get32(out, security + 4) != 0 && Get32(out, security) >= cut) {
      Put32(out, security, 0);
      Put32(out, security + 4, 0);
    }
  }

  const std::uint64_t at = info.sectionTableOffset + kSectionHeaderSize * index;
  if (!inPlace) {
    std::memcpy(out.data() + at, rsrc.name.data(), rsrc.name.size());
    Put32(out, at + 12, rsrc.virtualAddress);
    Put32(out, at + 20, rsrc.rawPointer);
    Put32(out, at + 36, rsrc.characteristics);
  }
  Put32(out, at + 8, rsrc.virtualSize);
  Put32(out, at + 16, rsrc.rawSize);
  return out;
}

}  // namespace vx::tools
