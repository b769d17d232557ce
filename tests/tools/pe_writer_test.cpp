#include "tools/common/pe_writer.h"

#include <gtest/gtest.h>

#include "tests/support/pe_builder.h"
#include "util/error.h"

namespace vx::tools {
namespace {

using test::kFileHeaderOffset;
using test::kOptionalHeaderOffset;
using test::kPe32DataDirectories;
using test::kPe32SectionTable;
using test::PeBuilder;
using test::RcData;
using test::Read32;
using test::ResId;
using test::ResName;
using test::Write32;

std::vector<std::string> Names(const std::vector<PeResource>& resources) {
  std::vector<std::string> names;
  for (const PeResource& resource : resources) names.push_back(resource.name);
  return names;
}

std::string Text() { return std::string(0x180, '\xCC'); }

TEST(PeWriterTest, AddsASectionWhenThereIsNoResourceSection) {
  const std::string player = PeBuilder()
                                 .Section(".text", Text(), 0x60000020)
                                 .Section(".bss", "", 0xC0000080, 0x3000)
                                 .Appended(std::string("old trailer\x0F\0\0\0", 15))
                                 .Build();
  const PeImageInfo before = InspectPeImage(player);
  const std::string out = WithRcDataResources(player, {{"pdata", "container"}, {"DATAE1", "file one"}});

  const PeImageInfo after = InspectPeImage(out);
  ASSERT_EQ(after.sections.size(), 3u);
  const PeSection& rsrc = after.sections[2];
  EXPECT_EQ(rsrc.name, ".rsrc");
  EXPECT_EQ(rsrc.characteristics, 0x40000040u);
  EXPECT_EQ(rsrc.virtualAddress, 0x5000u);  // behind .bss's 0x3000 bytes at 0x2000
  EXPECT_EQ(rsrc.rawPointer, before.imageEnd);
  EXPECT_EQ(rsrc.rawSize % 0x200, 0u);
  EXPECT_EQ(after.resourceRva, rsrc.virtualAddress);
  EXPECT_EQ(after.resourceSize, rsrc.virtualSize);
  EXPECT_EQ(after.sizeOfImage, 0x6000u);
  EXPECT_EQ(after.imageEnd, out.size());
  EXPECT_EQ(Read32(out, kOptionalHeaderOffset + 64), 0u);  // checksum
  EXPECT_EQ(Read32(out, kOptionalHeaderOffset + 8), Read32(player, kOptionalHeaderOffset + 8) + rsrc.rawSize);
  // Everything before the new section is the player, byte for byte, apart
  // from the headers that describe it.
  EXPECT_EQ(out.substr(0x400, before.imageEnd - 0x400), player.substr(0x400, before.imageEnd - 0x400));

  const auto resources = ReadRcDataResources(out);
  EXPECT_EQ(Names(resources), (std::vector<std::string>{"DATAE1", "PDATA"}));
  EXPECT_EQ(FindRcDataResource(out, "PDATA"), "container");
  EXPECT_EQ(FindRcDataResource(out, "datae1"), "file one");
}

TEST(PeWriterTest, RebuildsALastResourceSectionInPlaceKeepingOtherResources) {
  const std::string player =
      PeBuilder()
          .Section(".text", Text(), 0x60000020)
          .Resources({
              RcData(u"PDATA", "old project", 1065),
              {ResId(16), ResId(1), ResId(1033), "version", 1200},
              {ResId(3), ResId(1), ResId(1033), std::string(0x300, 'i'), 0},
              {ResId(kRtRcData), ResId(5), ResId(0), "numbered", 0},
              RcData(u"KEEPME", "kept"),
              {ResName(u"MUI"), ResId(1), ResId(0), "mui", 0},
          })
          .Appended("tail")
          .Build();
  const PeImageInfo before = InspectPeImage(player);
  const std::string out = WithRcDataResources(player, {{"PData", "new project"}, {"IDATA1", "picture"}});
  const PeImageInfo after = InspectPeImage(out);

  ASSERT_EQ(after.sections.size(), 2u);
  EXPECT_EQ(after.sections[1].virtualAddress, before.sections[1].virtualAddress);
  EXPECT_EQ(after.sections[1].rawPointer, before.sections[1].rawPointer);
  EXPECT_EQ(after.imageEnd, out.size());
  const std::int64_t grown = std::int64_t{after.sections[1].rawSize} - before.sections[1].rawSize;
  EXPECT_EQ(std::int64_t{Read32(out, kOptionalHeaderOffset + 8)}, Read32(player, kOptionalHeaderOffset + 8) + grown);

  const auto leaves = ReadResourceTree(out, after);
  struct Expected {
    PeResourceKey type, name, language;
    std::uint32_t codePage;
    std::string bytes;
  };
  const std::vector<Expected> expected = {
      {ResName(u"MUI"), ResId(1), ResId(0), 0, "mui"},
      {ResId(3), ResId(1), ResId(1033), 0, std::string(0x300, 'i')},
      {ResId(kRtRcData), ResName(u"IDATA1"), ResId(0), 0, "picture"},
      {ResId(kRtRcData), ResName(u"KEEPME"), ResId(0), 0, "kept"},
      {ResId(kRtRcData), ResName(u"PDATA"), ResId(0), 0, "new project"},
      {ResId(kRtRcData), ResId(5), ResId(0), 0, "numbered"},
      {ResId(16), ResId(1), ResId(1033), 1200, "version"},
  };
  ASSERT_EQ(leaves.size(), expected.size());
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    EXPECT_EQ(leaves[i].type, expected[i].type) << i;
    EXPECT_EQ(leaves[i].name, expected[i].name) << i;
    EXPECT_EQ(leaves[i].language, expected[i].language) << i;
    EXPECT_EQ(leaves[i].codePage, expected[i].codePage) << i;
    EXPECT_EQ(out.substr(leaves[i].dataOffset, leaves[i].size), expected[i].bytes) << i;
    EXPECT_EQ(leaves[i].dataOffset % 8, 0u) << i;
  }
}

TEST(PeWriterTest, SortsNamesByCodeUnitsThenIds) {
  const std::string player = PeBuilder().Section(".text", Text(), 0x60000020).Build();
  const std::string out = WithRcDataResources(
      player, {{"DATAE2", "2"}, {"PDATA", "p"}, {"DATAE10", "10"}, {"BDATAG1", "b"}, {"DATAE1", "1"}});
  EXPECT_EQ(Names(ReadRcDataResources(out)),
            (std::vector<std::string>{"BDATAG1", "DATAE1", "DATAE10", "DATAE2", "PDATA"}));
  // The named count in the RCDATA directory header: every entry is named.
  const PeImageInfo info = InspectPeImage(out);
  const std::size_t typeDir = info.sections.back().rawPointer + 0x18;
  EXPECT_EQ(Read32(out, typeDir + 12), 5u);
}

TEST(PeWriterTest, AppendsANewSectionWhenResourcesAreNotLast) {
  const std::string relocations("\x00\x10\x00\x00\x0C\x00\x00\x00\x04\x30\x00\x00", 12);
  const std::string player = PeBuilder()
                                 .Section(".text", Text(), 0x60000020)
                                 .Resources({RcData(u"PDATA", "old"), {ResId(24), ResId(1), ResId(0), "manifest", 0}})
                                 .Section(".reloc", relocations, 0x42000040)
                                 .Directory(5, 2)
                                 .Build();
  const PeImageInfo before = InspectPeImage(player);
  const std::string out = WithRcDataResources(player, {{"PDATA", "new"}});
  const PeImageInfo after = InspectPeImage(out);
  ASSERT_EQ(after.sections.size(), 4u);
  EXPECT_EQ(after.sections[3].virtualAddress, 0x4000u);
  EXPECT_EQ(after.resourceRva, 0x4000u);
  // The old sections and the relocation directory are untouched.
  EXPECT_EQ(out.substr(0x400, before.imageEnd - 0x400), player.substr(0x400, before.imageEnd - 0x400));
  EXPECT_EQ(Read32(out, kPe32DataDirectories + 40), Read32(player, kPe32DataDirectories + 40));
  EXPECT_EQ(FindRcDataResource(out, "PDATA"), "new");
  const auto leaves = ReadResourceTree(out, after);
  ASSERT_EQ(leaves.size(), 2u);
  EXPECT_EQ(leaves[1].type, ResId(24));
}

TEST(PeWriterTest, ResourceSectionOverlappingTheHeadersIsNotRebuiltInPlace) {
  // Raw data at offset 0: the tree is read from the DOS header (an empty
  // directory); rebuilding there would cut the headers off, and a new
  // section header would overwrite the section's own data.
  std::string player = PeBuilder().Resources({RcData(u"PDATA", "old")}).Build();
  Write32(player, kPe32SectionTable + 20, 0);
  ASSERT_TRUE(ReadRcDataResources(player).empty());
  EXPECT_THROW(WithRcDataResources(player, {{"PDATA", "new"}}), Error);
  // Raw data at 0x200, inside SizeOfHeaders but behind the table: a new
  // section keeps both intact.
  player = PeBuilder().Resources({RcData(u"PDATA", "old")}).Build();
  player.replace(0x200, 0x200, player.substr(0x400, 0x200));
  player.resize(0x400);
  Write32(player, kPe32SectionTable + 20, 0x200);
  ASSERT_EQ(FindRcDataResource(player, "PDATA"), "old");
  const std::string out = WithRcDataResources(player, {{"PDATA", "new"}});
  EXPECT_EQ(InspectPeImage(out).sections.size(), 2u);
  EXPECT_EQ(out.substr(0, 0x400).substr(0x200), player.substr(0x200));
  EXPECT_EQ(FindRcDataResource(out, "PDATA"), "new");
}

TEST(PeWriterTest, WritingTwiceRebuildsTheAddedSection) {
  const std::string player = PeBuilder().Section(".text", Text(), 0x60000020).Build();
  const std::string once = WithRcDataResources(player, {{"PDATA", std::string(0x500, 'a')}});
  const std::string twice = WithRcDataResources(once, {{"DATAE1", "e"}, {"PDATA", "b"}});
  const PeImageInfo info = InspectPeImage(twice);
  EXPECT_EQ(info.sections.size(), 2u);
  EXPECT_EQ(info.sizeOfImage, 0x3000u);
  EXPECT_EQ(twice.size(), 0x800u);  // shrank back to one file-aligned block
  EXPECT_EQ(FindRcDataResource(twice, "PDATA"), "b");
  EXPECT_EQ(FindRcDataResource(twice, "DATAE1"), "e");
}

TEST(PeWriterTest, LargeResourcesRoundTrip) {
  const std::string player = PeBuilder().Section(".text", Text(), 0x60000020).Build();
  std::string media(24u << 20, '\0');
  for (std::size_t i = 0; i < media.size(); ++i) media[i] = static_cast<char>(i * 131);
  const std::string out = WithRcDataResources(player, {{"DATAE1", media}, {"PDATA", "p"}});
  EXPECT_EQ(FindRcDataResource(out, "DATAE1"), media);
  EXPECT_LT(out.size(), media.size() + 0x1000);
}

TEST(PeWriterTest, Pe32PlusImagesWork) {
  const std::string player = PeBuilder().Pe32Plus().Section(".text", Text(), 0x60000020).Build();
  const std::string out = WithRcDataResources(player, {{"PDATA", "wide"}});
  EXPECT_TRUE(InspectPeImage(out).pe32Plus);
  EXPECT_EQ(FindRcDataResource(out, "PDATA"), "wide");
}

TEST(PeWriterTest, DropsDirectoriesIntoTheDroppedTail) {
  std::string player = PeBuilder().Section(".text", Text(), 0x60000020).Appended(std::string(0x40, 's')).Build();
  const auto end = static_cast<std::uint32_t>(InspectPeImage(player).imageEnd);
  Write32(player, kFileHeaderOffset + 8, end);  // COFF symbols behind the image
  Write32(player, kFileHeaderOffset + 12, 3);
  Write32(player, kPe32DataDirectories + 32, end + 8);  // a certificate table
  Write32(player, kPe32DataDirectories + 36, 0x20);
  const std::string out = WithRcDataResources(player, {{"PDATA", "p"}});
  EXPECT_EQ(Read32(out, kFileHeaderOffset + 8), 0u);
  EXPECT_EQ(Read32(out, kFileHeaderOffset + 12), 0u);
  EXPECT_EQ(Read32(out, kPe32DataDirectories + 32), 0u);
  EXPECT_EQ(Read32(out, kPe32DataDirectories + 36), 0u);
}

TEST(PeWriterTest, MovesCoffSymbolsBehindTheNewSection) {
  // Two symbols, a string table of 9 bytes holding a long section name,
  // then an old trailer that must go.
  const std::string tables = std::string(36, 'y') + std::string("\x09\0\0\0.eh_f", 9);
  std::string player =
      PeBuilder().Section(".text", Text(), 0x60000020).Appended(tables + std::string("0\r\n\x07\0\0\0", 7)).Build();
  const auto end = static_cast<std::uint32_t>(InspectPeImage(player).imageEnd);
  Write32(player, kFileHeaderOffset + 8, end);
  Write32(player, kFileHeaderOffset + 12, 2);

  const std::string once = WithRcDataResources(player, {{"PDATA", std::string(0x300, 'p')}});
  EXPECT_EQ(Read32(once, kFileHeaderOffset + 8), InspectPeImage(once).imageEnd);
  EXPECT_EQ(Read32(once, kFileHeaderOffset + 12), 2u);
  EXPECT_EQ(once.substr(InspectPeImage(once).imageEnd), tables);

  // Rebuilt in place, the tables move back with the shrinking section.
  const std::string twice = WithRcDataResources(once + "trailer", {{"PDATA", "p"}});
  EXPECT_EQ(Read32(twice, kFileHeaderOffset + 8), InspectPeImage(twice).imageEnd);
  EXPECT_EQ(twice.substr(InspectPeImage(twice).imageEnd), tables);
  EXPECT_EQ(FindRcDataResource(twice, "PDATA"), "p");
}

TEST(PeWriterErrorTest, RefusesNamesWindowsCannotFind) {
  const std::string player = PeBuilder().Section(".text", Text(), 0x60000020).Build();
  const std::vector<std::vector<PeResource>> bad = {
      {{"", "x"}},
      {{"#1", "x"}},
      {{"DATA\xC9", "x"}},
      {{"TAB\tNAME", "x"}},
      {{"PDATA", "a"}, {"pdata", "b"}},
  };
  for (const auto& resources : bad) {
    try {
      WithRcDataResources(player, resources);
      ADD_FAILURE() << resources.front().name;
    } catch (const StreamError& error) {
      ADD_FAILURE() << error.what();
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find("resource name"), std::string::npos) << error.what();
    }
  }
  EXPECT_NO_THROW(WithRcDataResources(player, {{"A1 _-~", "x"}}));
}

TEST(PeWriterErrorTest, NoRoomForAnotherSectionHeader) {
  // Headers of 0x200 bytes hold the table at 0x178 and three headers.
  const std::string full = PeBuilder()
                               .HeaderSize(0x200)
                               .Section(".a", "a")
                               .Section(".b", "b")
                               .Section(".c", "c")
                               .Build();
  EXPECT_THROW(
      {
        try {
          WithRcDataResources(full, {{"PDATA", "p"}});
        } catch (const Error& error) {
          EXPECT_STREQ(error.what(), "the executable's headers have no room for another section header");
          throw;
        }
      },
      Error);
  const std::string roomy = PeBuilder().HeaderSize(0x200).Section(".a", "a").Section(".b", "b").Build();
  EXPECT_EQ(FindRcDataResource(WithRcDataResources(roomy, {{"PDATA", "p"}}), "PDATA"), "p");
  // Bytes behind the table (a bound-import list, say) must not be overwritten.
  std::string busy = roomy;
  busy[kPe32SectionTable + 2 * 40 + 5] = 1;
  EXPECT_THROW(WithRcDataResources(busy, {{"PDATA", "p"}}), Error);
}

TEST(PeWriterErrorTest, MalformedPlayersAreStreamErrors) {
  const std::string good = PeBuilder().Section(".text", Text(), 0x60000020).Build();
  std::string image = good;
  Write32(image, kOptionalHeaderOffset + 36, 0x300);
  EXPECT_THROW(WithRcDataResources(image, {}), StreamError);
  image = good;
  Write32(image, kOptionalHeaderOffset + 32, 0x100);  // below FileAlignment
  EXPECT_THROW(WithRcDataResources(image, {}), StreamError);
  EXPECT_THROW(WithRcDataResources(good.substr(0, 0x300), {}), StreamError);
  EXPECT_THROW(WithRcDataResources("MZ", {}), StreamError);
}

}  // namespace
}  // namespace vx::tools
