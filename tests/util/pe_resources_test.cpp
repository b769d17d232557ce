#include "util/pe_resources.h"

#include <gtest/gtest.h>

#include "tests/support/pe_builder.h"
#include "util/error.h"

namespace vx {
namespace {

using test::PeBuilder;
using test::RcData;
using test::Read32;
using test::ResId;
using test::ResName;
using test::Write16;
using test::Write32;

// One .rsrc section at raw 0x400 / RVA 0x1000 with one type, one name and
// one language: root 0x400, type 0x418, name 0x430, data entry 0x448, the
// name string 0x458.
constexpr std::size_t kRoot = 0x400;
constexpr std::size_t kTypeDir = 0x418;
constexpr std::size_t kNameDir = 0x430;
constexpr std::size_t kDataEntry = 0x448;

std::string SingleResourceImage() { return PeBuilder().Resources({RcData(u"PDATA", "container")}).Build(); }

std::string ErrorOf(std::string_view image) {
  try {
    ReadRcDataResources(image);
  } catch (const StreamError& error) {
    return error.what();
  }
  return "no error";
}

TEST(PeImageTest, InspectFindsSectionsAndImageEnd) {
  const std::string image = PeBuilder()
                                .Section(".text", std::string(0x300, 'c'), 0x60000020)
                                .Section(".bss", "", 0xC0000080, 0x2000)
                                .Resources({RcData(u"PDATA", "x")})
                                .Appended(std::string("0\r\n\x07\0\0\0", 7))
                                .Build();
  const PeImageInfo info = InspectPeImage(image);
  EXPECT_FALSE(info.pe32Plus);
  ASSERT_EQ(info.sections.size(), 3u);
  EXPECT_EQ(info.sections[0].name, ".text");
  EXPECT_EQ(info.sections[0].rawSize, 0x400u);
  EXPECT_EQ(info.sections[1].rawSize, 0u);
  EXPECT_EQ(info.sections[2].name, ".rsrc");
  EXPECT_EQ(info.resourceRva, info.sections[2].virtualAddress);
  EXPECT_EQ(info.imageEnd, image.size() - 7);
  EXPECT_EQ(info.fileAlignment, 0x200u);
  EXPECT_EQ(info.sectionAlignment, 0x1000u);
}

TEST(PeImageTest, InspectAcceptsPe32PlusAndImagesWithoutSections) {
  const std::string plus = PeBuilder().Pe32Plus().Resources({RcData(u"PDATA", "64")}).Build();
  EXPECT_TRUE(InspectPeImage(plus).pe32Plus);
  EXPECT_EQ(FindRcDataResource(plus, "PDATA"), "64");

  const std::string bare = PeBuilder().Build();
  const PeImageInfo info = InspectPeImage(bare);
  EXPECT_TRUE(info.sections.empty());
  EXPECT_EQ(info.imageEnd, bare.size());
  EXPECT_EQ(info.resourceRva, 0u);
  EXPECT_TRUE(ReadRcDataResources(bare).empty());
  EXPECT_EQ(FindRcDataResource(bare, "PDATA"), std::nullopt);
}

TEST(PeImageTest, RvaToFileOffsetStaysInsideRawData) {
  const std::string image = PeBuilder().Section(".data", std::string(0x10, 'd')).Build();
  const PeImageInfo info = InspectPeImage(image);
  EXPECT_EQ(RvaToFileOffset(info, 0x1000, 0x200), 0x400u);
  EXPECT_EQ(RvaToFileOffset(info, 0x11FF, 1), 0x5FFu);
  EXPECT_EQ(RvaToFileOffset(info, 0x11FF, 2), std::nullopt);
  EXPECT_EQ(RvaToFileOffset(info, 0xFFF, 1), std::nullopt);
  EXPECT_EQ(RvaToFileOffset(info, 0xFFFFFFFFFFFFFFFFull, 2), std::nullopt);
}

TEST(PeResourcesTest, ReadsNamedRcDataInDirectoryOrder) {
  const std::string image =
      PeBuilder()
          .Resources({
              {ResId(3), ResId(1), ResId(1033), "icon", 0},
              RcData(u"PDATA", "project"),
              {ResId(kRtRcData), ResId(7), ResId(0), "by id", 0},
              RcData(u"DATAE1", "first"),
              {ResName(u"CUSTOM"), ResName(u"IDATA1"), ResId(0), "other type", 0},
              RcData(u"BDATAG1", ""),
          })
          .Build();
  const auto resources = ReadRcDataResources(image);
  ASSERT_EQ(resources.size(), 3u);
  EXPECT_EQ(resources[0].name, "PDATA");
  EXPECT_EQ(resources[0].bytes, "project");
  EXPECT_EQ(resources[1].name, "DATAE1");
  EXPECT_EQ(resources[1].bytes, "first");
  EXPECT_EQ(resources[2].name, "BDATAG1");
  EXPECT_EQ(resources[2].bytes, "");
}

TEST(PeResourcesTest, FirstLanguageWins) {
  const std::string image = PeBuilder()
                                .Resources({RcData(u"PDATA", "persian", 1065), RcData(u"PDATA", "neutral", 0)})
                                .Build();
  const auto resources = ReadRcDataResources(image);
  ASSERT_EQ(resources.size(), 1u);
  EXPECT_EQ(resources[0].bytes, "persian");
  EXPECT_EQ(FindRcDataResource(image, "PDATA"), "persian");
}

TEST(PeResourcesTest, FindIgnoresCaseOnAsciiLettersOnly) {
  const std::string image =
      PeBuilder().Resources({RcData(u"PDATA", "p"), RcData(u"DATA\u00C91", "e"), RcData(u"Mixed", "m")}).Build();
  EXPECT_EQ(FindRcDataResource(image, "pdata"), "p");
  EXPECT_EQ(FindRcDataResource(image, "PdAtA"), "p");
  EXPECT_EQ(FindRcDataResource(image, "MIXED"), "m");
  EXPECT_EQ(FindRcDataResource(image, "PDAT"), std::nullopt);
  EXPECT_EQ(FindRcDataResource(image, "PDATA "), std::nullopt);
  // The stored U+00C9 is read back as '?', but '?' does not find it.
  EXPECT_EQ(ReadRcDataResources(image)[1].name, "DATA?1");
  EXPECT_EQ(FindRcDataResource(image, "DATA?1"), std::nullopt);
  EXPECT_EQ(FindRcDataResource(image, "DATA\xC9" "1"), std::nullopt);
}

TEST(PeResourcesTest, ResourceDataMayLiveInAnotherSection) {
  std::string image = PeBuilder()
                          .Resources({RcData(u"PDATA", "here")})
                          .Section(".data", std::string("elsewhere") + std::string(0x100, '\0'))
                          .Build();
  // Point the data entry at the start of .data (RVA 0x2000, raw 0x600).
  Write32(image, kDataEntry, 0x2000);
  Write32(image, kDataEntry + 4, 9);
  EXPECT_EQ(FindRcDataResource(image, "PDATA"), "elsewhere");
}

TEST(PeResourceKeyTest, NamesBeforeIdsByCodeUnits) {
  EXPECT_TRUE(ResourceKeyLess(ResName(u"ZZ"), ResId(1)));
  EXPECT_FALSE(ResourceKeyLess(ResId(1), ResName(u"ZZ")));
  EXPECT_TRUE(ResourceKeyLess(ResName(u"DATAE1"), ResName(u"DATAE10")));
  EXPECT_TRUE(ResourceKeyLess(ResName(u"DATAE10"), ResName(u"DATAE2")));
  EXPECT_TRUE(ResourceKeyLess(ResName(u"Z"), ResName(u"\u00C0")));
  EXPECT_TRUE(ResourceKeyLess(ResId(3), ResId(10)));
  EXPECT_FALSE(ResourceKeyLess(ResId(10), ResId(10)));
}

TEST(PeResourcesErrorTest, HeaderFieldsNameTheirOffset) {
  const std::string good = SingleResourceImage();
  struct Case {
    const char* label;
    std::size_t at;
    std::uint32_t value;
    int width;
    const char* message;
  };
  const Case cases[] = {
      {"signature", 0, 0x5A4E, 2, "offset 0x0: expected the DOS signature \"MZ\""},
      {"e_lfanew", 0x3C, 0xFFFFFFF0, 4, "offset 0x3C: PE header offset points past the end of the file"},
      {"e_lfanew end", 0x3C, static_cast<std::uint32_t>(good.size() - 3), 4,
       "offset 0x3C: PE header offset points past the end of the file"},
      {"PE signature", 0x80, 0x4551, 4, "offset 0x80: expected the PE signature \"PE\\0\\0\""},
      {"magic", 0x98, 0x107, 2, "offset 0x98: expected the optional header magic 0x10B (PE32) or 0x20B (PE32+)"},
      {"optional size", 0x94, 0x40, 2, "offset 0x94: optional header size 0x40 is too small"},
      {"optional size huge", 0x94, 0xFFFF, 2, "offset 0x98: file ends inside the optional header"},
      {"SizeOfHeaders", 0xD4, 0x10000000, 4, "offset 0xD4: SizeOfHeaders points past the end of the file"},
      {"section count", 0x86, 0xFFFF, 2, "offset 0x178: file ends inside the section table"},
      {"raw size", 0x178 + 16, 0x10000, 4, "offset 0x188: raw data of section \".rsrc\" runs past the end of the file"},
      {"raw pointer", 0x178 + 20, 0xFFFFFFFF, 4,
       "offset 0x188: raw data of section \".rsrc\" runs past the end of the file"},
      {"resource rva", 0x98 + 96 + 16, 0x5000, 4,
       "offset 0x108: resource directory RVA 0x5000 is not inside any section's raw data"},
      {"root count", kRoot + 14, 0xFFFF, 2,
       "offset 0x40C: resource directory entries run past the end of the resource section"},
      {"type subdir", kRoot + 20, 0x80010000, 4,
       "offset 0x414: resource directory offset points past the end of the resource section"},
      {"type is data", kRoot + 20, 0x18, 4, "offset 0x414: expected a resource subdirectory, found a data entry"},
      {"self loop", kTypeDir + 20, 0x80000018, 4, "offset 0x42C: resource directory loop (a directory is reached twice)"},
      {"back to root", kNameDir + 20, 0x80000000, 4, "offset 0x444: expected a resource data entry, found a subdirectory"},
      {"name offset", kTypeDir + 16, 0x8000FFF0, 4,
       "offset 0x428: resource name offset points past the end of the resource section"},
      {"name length", 0x458, 0x7FFF, 2, "offset 0x458: resource name runs past the end of the resource section"},
      {"data entry", kNameDir + 20, 0x1FF8, 4,
       "offset 0x444: resource data entry offset points past the end of the resource section"},
      {"data rva", kDataEntry, 0x9000, 4, "offset 0x448: resource data RVA 0x9000 is not inside any section's raw data"},
      {"data size", kDataEntry + 4, 0x10000, 4, "offset 0x44C: resource data sizes add up to more than the file holds"},
  };
  for (const Case& c : cases) {
    std::string image = good;
    if (c.width == 2) {
      Write16(image, c.at, static_cast<std::uint16_t>(c.value));
    } else {
      Write32(image, c.at, c.value);
    }
    EXPECT_EQ(ErrorOf(image), c.message) << c.label;
  }
  EXPECT_EQ(ErrorOf(good), "no error");
}

TEST(PeResourcesErrorTest, EveryTruncationIsAStreamError) {
  const std::string good = PeBuilder()
                               .Section(".text", std::string(0x20, 'c'), 0x60000020)
                               .Resources({RcData(u"PDATA", "container"), RcData(u"DATAE1", "file")})
                               .Build();
  for (std::size_t size = 0; size < good.size(); ++size) {
    const std::string_view cut(good.data(), size);
    const std::string message = ErrorOf(cut);
    EXPECT_EQ(message.rfind("offset 0x", 0), 0u) << size << ": " << message;
  }
}

TEST(PeResourcesErrorTest, ShortFilesNameTheDosHeader) {
  EXPECT_EQ(ErrorOf(""), "offset 0x0: expected the DOS signature \"MZ\"");
  EXPECT_EQ(ErrorOf("MZ"), "offset 0x3C: file ends inside the DOS header");
}

TEST(PeResourcesErrorTest, SingleByteDamageNeverEscapesAsAnythingElse) {
  const std::string good = PeBuilder()
                               .Resources({{ResId(3), ResId(1), ResId(1033), "icon", 0}, RcData(u"PDATA", "container"),
                                           RcData(u"DATAE1", "file", 1065)})
                               .Build();
  const PeImageInfo info = InspectPeImage(good);
  const std::size_t end = info.sections.back().rawPointer + 0x100;
  for (std::size_t at = 0; at < end; ++at) {
    for (unsigned char value : {0x00, 0x7F, 0x80, 0xFF}) {
      std::string image = good;
      image[at] = static_cast<char>(value);
      try {
        ReadRcDataResources(image);
        FindRcDataResource(image, "PDATA");
      } catch (const StreamError&) {
      }
    }
  }
}

TEST(PeResourcesErrorTest, SharedSubdirectoryIsRejected) {
  std::string image = PeBuilder().Resources({RcData(u"PDATA", "a"), RcData(u"DATAE1", "b")}).Build();
  // Both names now lead to the first name's language directory.
  const std::uint32_t first = Read32(image, kTypeDir + 20);
  Write32(image, kTypeDir + 28, first);
  EXPECT_EQ(ErrorOf(image), "offset 0x434: resource directory loop (a directory is reached twice)");
}

TEST(PeResourcesErrorTest, OverlappingDirectoriesAreBounded) {
  // Two language directories 4 bytes apart, each parsing as 64 entries:
  // the bytes walked exceed the section, which a sound tree never does,
  // and is what keeps a hostile tree from making the walk quadratic.
  std::string tree(0x300, '\0');
  Write16(tree, 14, 1);
  Write32(tree, 16, kRtRcData);
  Write32(tree, 20, 0x80000018);
  Write16(tree, 0x18 + 14, 2);
  Write32(tree, 0x18 + 16, 1);
  Write32(tree, 0x18 + 20, 0x80000050);
  Write32(tree, 0x18 + 24, 2);
  Write32(tree, 0x18 + 28, 0x80000054);
  Write32(tree, 0x40, 0x1040);  // data entry: empty
  Write16(tree, 0x50 + 14, 64);
  for (std::size_t at = 0x50 + 16; at < 0x50 + 16 + 8 * 64 + 4; at += 4) Write32(tree, at, 0x40);
  std::string image = PeBuilder().Section(".rsrc", tree).Directory(2, 0).Build();
  EXPECT_EQ(ErrorOf(image), "offset 0x454: resource directories overlap or are shared");
  // The same tree without the second directory reads fine.
  Write32(image, 0x400 + 0x18 + 28, 0x80000050 + 0x300);
  EXPECT_EQ(ErrorOf(image), "no error");
}

}  // namespace
}  // namespace vx
