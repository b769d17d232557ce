#include "tests/support/pe_builder.h"

#include <algorithm>

namespace vx::test {

namespace {

std::uint32_t Align(std::uint32_t value, std::uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

void Append16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Append32(std::string& out, std::uint32_t value) {
  Append16(out, value & 0xFFFF);
  Append16(out, value >> 16);
}

struct NameGroup {
  PeResourceKey name;
  std::vector<const TestResource*> leaves;
};

struct TypeGroup {
  PeResourceKey type;
  std::vector<NameGroup> names;
};

}  // namespace

PeResourceKey ResId(std::uint16_t id) {
  PeResourceKey key;
  key.id = id;
  return key;
}

PeResourceKey ResName(std::u16string_view name) {
  PeResourceKey key;
  key.named = true;
  key.name = name;
  return key;
}

TestResource RcData(std::u16string_view name, std::string bytes, std::uint16_t language) {
  return {ResId(kRtRcData), ResName(name), ResId(language), std::move(bytes), 0};
}

std::uint32_t Read32(std::string_view image, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(image.at(at + i));
  return value;
}

void Write32(std::string& image, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) image.at(at + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void Write16(std::string& image, std::size_t at, std::uint16_t value) {
  image.at(at) = static_cast<char>(value & 0xFF);
  image.at(at + 1) = static_cast<char>(value >> 8);
}

std::string BuildResourceSection(const std::vector<TestResource>& resources, std::uint32_t rva) {
  std::vector<TypeGroup> types;
  for (const TestResource& resource : resources) {
    auto type = std::find_if(types.begin(), types.end(), [&](const TypeGroup& g) { return g.type == resource.type; });
    if (type == types.end()) type = types.insert(types.end(), {resource.type, {}});
    auto name = std::find_if(type->names.begin(), type->names.end(),
                             [&](const NameGroup& g) { return g.name == resource.name; });
    if (name == type->names.end()) name = type->names.insert(type->names.end(), {resource.name, {}});
    name->leaves.push_back(&resource);
  }

  // Sizes first, so every offset is known before anything is written.
  auto dirSize = [](std::size_t entries) { return static_cast<std::uint32_t>(16 + 8 * entries); };
  std::uint32_t tree = dirSize(types.size());
  std::size_t leafCount = 0;
  for (const TypeGroup& type : types) {
    tree += dirSize(type.names.size());
    for (const NameGroup& name : type.names) {
      tree += dirSize(name.leaves.size());
      leafCount += name.leaves.size();
    }
  }
  const std::uint32_t dataEntries = tree;
  const std::uint32_t stringsStart = dataEntries + static_cast<std::uint32_t>(16 * leafCount);

  std::string strings;
  auto keyField = [&](const PeResourceKey& key) -> std::uint32_t {
    if (!key.named) return key.id;
    const auto offset = static_cast<std::uint32_t>(stringsStart + strings.size());
    Append16(strings, static_cast<std::uint32_t>(key.name.size()));
    for (char16_t unit : key.name) Append16(strings, unit);
    return 0x80000000u | offset;
  };

  std::string dirs;
  std::string entries;
  std::vector<const TestResource*> leaves;
  auto header = [&](std::uint32_t named, std::uint32_t ids) {
    Append32(dirs, 0);
    Append32(dirs, 0);
    Append32(dirs, 0);
    Append16(dirs, named);
    Append16(dirs, ids);
  };
  auto counts = [](const auto& keys) {
    std::uint32_t named = 0;
    for (const PeResourceKey* key : keys) named += key->named ? 1 : 0;
    return std::pair<std::uint32_t, std::uint32_t>{named, static_cast<std::uint32_t>(keys.size()) - named};
  };

  // Root.
  std::vector<const PeResourceKey*> keys;
  for (const TypeGroup& type : types) keys.push_back(&type.type);
  auto [rootNamed, rootIds] = counts(keys);
  header(rootNamed, rootIds);
  std::uint32_t next = dirSize(types.size());
  for (const TypeGroup& type : types) {
    Append32(dirs, keyField(type.type));
    Append32(dirs, 0x80000000u | next);
    next += dirSize(type.names.size());
  }
  // Type directories.
  for (const TypeGroup& type : types) {
    keys.clear();
    for (const NameGroup& name : type.names) keys.push_back(&name.name);
    auto [named, ids] = counts(keys);
    header(named, ids);
    for (const NameGroup& name : type.names) {
      Append32(dirs, keyField(name.name));
      Append32(dirs, 0x80000000u | next);
      next += dirSize(name.leaves.size());
    }
  }
  // Language directories.
  for (const TypeGroup& type : types) {
    for (const NameGroup& name : type.names) {
      keys.clear();
      for (const TestResource* leaf : name.leaves) keys.push_back(&leaf->language);
      auto [named, ids] = counts(keys);
      header(named, ids);
      for (const TestResource* leaf : name.leaves) {
        Append32(dirs, keyField(leaf->language));
        Append32(dirs, static_cast<std::uint32_t>(dataEntries + 16 * leaves.size()));
        leaves.push_back(leaf);
      }
    }
  }

  std::string section = dirs;
  std::string data;
  const std::uint32_t dataStart = Align(static_cast<std::uint32_t>(stringsStart + strings.size()), 4);
  for (const TestResource* leaf : leaves) {
    Append32(section, rva + dataStart + static_cast<std::uint32_t>(data.size()));
    Append32(section, static_cast<std::uint32_t>(leaf->bytes.size()));
    Append32(section, leaf->codePage);
    Append32(section, 0);
    data += leaf->bytes;
    data.resize(Align(static_cast<std::uint32_t>(data.size()), 4), '\0');
  }
  section += strings;
  section.resize(dataStart, '\0');
  section += data;
  return section;
}

PeBuilder& PeBuilder::Pe32Plus(bool on) {
  pe32Plus_ = on;
  return *this;
}

PeBuilder& PeBuilder::Alignment(std::uint32_t file, std::uint32_t section) {
  fileAlignment_ = file;
  sectionAlignment_ = section;
  return *this;
}

PeBuilder& PeBuilder::HeaderSize(std::uint32_t size) {
  headerSize_ = size;
  return *this;
}

PeBuilder& PeBuilder::Section(std::string name, std::string data, std::uint32_t characteristics,
                              std::uint32_t virtualSize) {
  parts_.push_back({std::move(name), std::move(data), characteristics, virtualSize, false, {}});
  return *this;
}

PeBuilder& PeBuilder::Resources(std::vector<TestResource> resources, std::string name) {
  parts_.push_back({std::move(name), {}, 0x40000040, 0, true, std::move(resources)});
  return *this;
}

PeBuilder& PeBuilder::Directory(int index, int section) {
  directories_.emplace_back(index, section);
  return *this;
}

PeBuilder& PeBuilder::Appended(std::string bytes) {
  appended_ = std::move(bytes);
  return *this;
}

std::string PeBuilder::Build() const {
  const std::uint32_t optionalSize = pe32Plus_ ? 0xF0 : 0xE0;
  const std::uint32_t table = kOptionalHeaderOffset + optionalSize;
  const std::uint32_t headers =
      Align(std::max<std::uint32_t>(headerSize_, table + 40 * static_cast<std::uint32_t>(parts_.size())),
            fileAlignment_);

  struct Placed {
    std::string data;
    std::uint32_t rva, raw, rawSize, virtualSize;
  };
  std::vector<Placed> placed;
  std::uint32_t rva = Align(headers, sectionAlignment_);
  std::uint32_t raw = headers;
  std::uint32_t resourceSection = 0;
  bool hasResources = false;
  std::uint32_t initialized = 0;
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    const Part& part = parts_[i];
    std::string data = part.resources ? BuildResourceSection(part.tree, rva) : part.data;
    if (part.resources) {
      resourceSection = static_cast<std::uint32_t>(i);
      hasResources = true;
    }
    const auto rawSize = Align(static_cast<std::uint32_t>(data.size()), fileAlignment_);
    const std::uint32_t virtualSize =
        part.virtualSize != 0 ? part.virtualSize : std::max<std::uint32_t>(static_cast<std::uint32_t>(data.size()), 1);
    placed.push_back({std::move(data), rva, rawSize != 0 ? raw : 0, rawSize, virtualSize});
    if ((part.characteristics & 0x40) != 0) initialized += rawSize;
    raw += rawSize;
    rva += Align(std::max(virtualSize, rawSize), sectionAlignment_);
  }

  std::string image(headers, '\0');
  image[0] = 'M';
  image[1] = 'Z';
  Write32(image, 0x3C, kPeOffset);
  image.replace(kPeOffset, 4, std::string("PE\0\0", 4));
  Write16(image, kFileHeaderOffset, pe32Plus_ ? 0x8664 : 0x14C);
  Write16(image, kFileHeaderOffset + 2, static_cast<std::uint16_t>(parts_.size()));
  Write16(image, kFileHeaderOffset + 16, static_cast<std::uint16_t>(optionalSize));
  Write16(image, kFileHeaderOffset + 18, pe32Plus_ ? 0x22 : 0x102);
  const std::uint32_t o = kOptionalHeaderOffset;
  Write16(image, o, pe32Plus_ ? 0x20B : 0x10B);
  Write32(image, o + 8, initialized);
  if (!placed.empty()) Write32(image, o + 16, placed.front().rva);
  if (!pe32Plus_) Write32(image, o + 28, 0x400000);
  Write32(image, o + 32, sectionAlignment_);
  Write32(image, o + 36, fileAlignment_);
  Write16(image, o + 40, 4);
  Write16(image, o + 48, 4);
  Write32(image, o + 56, rva);
  Write32(image, o + 60, headers);
  Write32(image, o + 64, 0x12345678);  // a checksum the writer must clear
  Write16(image, o + 68, 3);
  const std::uint32_t directories = o + (pe32Plus_ ? 112 : 96);
  Write32(image, directories - 4, 16);
  if (hasResources) {
    Write32(image, directories + 16, placed[resourceSection].rva);
    Write32(image, directories + 20, static_cast<std::uint32_t>(placed[resourceSection].data.size()));
  }
  for (auto [index, section] : directories_) {
    Write32(image, directories + 8 * index, placed.at(section).rva);
    Write32(image, directories + 8 * index + 4, static_cast<std::uint32_t>(placed.at(section).data.size()));
  }
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    const std::uint32_t at = table + 40 * static_cast<std::uint32_t>(i);
    image.replace(at, std::min<std::size_t>(parts_[i].name.size(), 8), parts_[i].name.substr(0, 8));
    Write32(image, at + 8, placed[i].virtualSize);
    Write32(image, at + 12, placed[i].rva);
    Write32(image, at + 16, placed[i].rawSize);
    Write32(image, at + 20, placed[i].raw);
    Write32(image, at + 36, parts_[i].characteristics);
  }
  for (const Placed& part : placed) {
    image += part.data;
    image.resize(image.size() + (part.rawSize - part.data.size()), '\0');
  }
  return image + appended_;
}

}  // namespace vx::test
