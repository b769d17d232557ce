#include "platform/sim/sim_files.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "tests/support/pe_builder.h"
#include "util/error.h"

namespace vx::sim {
namespace {

class SimFilesTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  SimFiles& files = desktop.files;
};

TEST_F(SimFilesTest, PathsCompareWithoutCaseAndEitherSlash) {
  files.AddFile("C:\\Data\\Notes.TXT", "hello");
  EXPECT_TRUE(files.FileExists("c:/data/notes.txt"));
  EXPECT_TRUE(files.DirectoryExists("C:\\DATA\\"));
  EXPECT_FALSE(files.FileExists("C:\\Data"));
  EXPECT_EQ(platform::ReadWholeFile(files, "C:\\data\\notes.txt"), "hello");
}

TEST_F(SimFilesTest, CreatingNeedsTheFolderAndTruncates) {
  EXPECT_THROW(platform::WriteWholeFile(files, "C:\\nowhere\\a.txt", "x"), OsError);
  files.AddFile("C:\\TEMP\\a.txt", "long old contents");
  platform::WriteWholeFile(files, "C:\\TEMP\\a.txt", "new");
  EXPECT_EQ(files.Contents("C:\\TEMP\\a.txt"), "new");
}

TEST_F(SimFilesTest, ReadsPastTheEndFailInsteadOfReturningShort) {
  files.AddFile("C:\\TEMP\\b.bin", "abc");
  auto f = files.Open("C:\\TEMP\\b.bin", platform::OpenMode::Read);
  f->Seek(2);
  EXPECT_THROW(f->Read(2), OsError);
  f->Seek(10);
  EXPECT_THROW(f->Read(1), OsError);
  EXPECT_THROW(f->Write("x"), OsError);
}

TEST_F(SimFilesTest, InjectedFailuresHitOpenReadAndDelete) {
  files.AddFile("C:\\TEMP\\locked.bin", "abc");
  files.AddFile("C:\\TEMP\\bad.bin", "abc");
  files.InjectOpenError("C:\\TEMP\\locked.bin");
  files.InjectReadError("C:\\TEMP\\bad.bin");
  EXPECT_THROW(files.Open("C:\\TEMP\\locked.bin", platform::OpenMode::Read), OsError);
  EXPECT_THROW(files.RemoveFile("C:\\TEMP\\locked.bin"), OsError);
  auto f = files.Open("C:\\TEMP\\bad.bin", platform::OpenMode::Read);
  EXPECT_THROW(f->Read(1), OsError);
}

TEST_F(SimFilesTest, FoldersAreMadeOnceAndOnlyInsideExistingOnes) {
  files.MakeDirectory("C:\\TEMP\\VXTEMP");
  EXPECT_TRUE(files.DirectoryExists("C:\\TEMP\\VXTEMP"));
  EXPECT_THROW(files.MakeDirectory("C:\\TEMP\\VXTEMP"), OsError);
  EXPECT_THROW(files.MakeDirectory("C:\\no\\such"), OsError);
}

TEST_F(SimFilesTest, OwnResourcesComeFromTheTableOrFromThePeImage) {
  files.SetOwnResource("pdata", "from the table");
  EXPECT_EQ(files.ReadOwnResource("PDATA"), "from the table");
  EXPECT_EQ(files.ReadOwnResource("DATAE1"), std::nullopt);

  const std::string image = test::PeBuilder()
                                .Resources({test::RcData(u"PDATA", "from the image"), test::RcData(u"DATAE1", "embedded")})
                                .Build();
  files.SetOwnExecutable("C:\\Shows\\show.exe", image);
  files.UseResourcesOfOwnExecutable();
  EXPECT_EQ(files.ReadOwnResource("pdata"), "from the image");
  EXPECT_EQ(files.ReadOwnResource("DATAE1"), "embedded");
  EXPECT_EQ(files.ReadOwnResource("IDATA1"), std::nullopt);
  EXPECT_EQ(files.OwnExecutablePath(), "C:\\Shows\\show.exe");
}


// An extracted embedded file shares the executable's bytes; writing either
// of them, or deleting the executable, leaves the other as it was.
TEST_F(SimFilesTest, ExtractedFilesStayIndependentOfTheExecutable) {
  const std::string image = test::PeBuilder().Resources({test::RcData(u"DATAE1", "embedded bytes")}).Build();
  files.SetOwnExecutable("C:\\Shows\\show.exe", image);
  files.UseResourcesOfOwnExecutable();
  ASSERT_TRUE(files.ExtractOwnResource("DATAE1", "C:\\TEMP\\one.bin"));
  ASSERT_TRUE(files.ExtractOwnResource("DATAE1", "C:\\TEMP\\two.bin"));
  EXPECT_EQ(files.Contents("C:\\TEMP\\one.bin"), "embedded bytes");

  files.Open("C:\\TEMP\\one.bin", platform::OpenMode::ReadWrite)->Write("EMBED");
  EXPECT_EQ(files.Contents("C:\\TEMP\\one.bin"), "EMBEDded bytes");
  EXPECT_EQ(files.Contents("C:\\TEMP\\two.bin"), "embedded bytes");
  EXPECT_EQ(files.ReadOwnResource("DATAE1"), "embedded bytes");

  auto own = files.Open("C:\\Shows\\show.exe", platform::OpenMode::ReadWrite);
  own->Resize(0);
  own->Write(std::string(image.size(), 'x'));
  own.reset();
  EXPECT_EQ(files.Contents("C:\\TEMP\\two.bin"), "embedded bytes");
  files.RemoveFile("C:\\Shows\\show.exe");
  auto two = files.Open("C:\\TEMP\\two.bin", platform::OpenMode::Read);
  two->Seek(9);
  EXPECT_EQ(two->Read(5), "bytes");
  EXPECT_EQ(two->Size(), 14u);
}

TEST_F(SimFilesTest, ExtractingKeepsTheDisksRefusals) {
  const std::string image = test::PeBuilder().Resources({test::RcData(u"DATAE1", "0123456789")}).Build();
  files.SetOwnExecutable("C:\\Shows\\show.exe", image);
  files.UseResourcesOfOwnExecutable();
  files.InjectWriteError("C:\\TEMP\\full.bin");
  EXPECT_THROW(files.ExtractOwnResource("DATAE1", "C:\\TEMP\\full.bin"), OsError);
  EXPECT_EQ(files.Contents("C:\\TEMP\\full.bin"), "01234");  // half of it landed
  files.InjectOpenError("C:\\TEMP\\locked.bin");
  EXPECT_THROW(files.ExtractOwnResource("DATAE1", "C:\\TEMP\\locked.bin"), OsError);
  EXPECT_THROW(files.ExtractOwnResource("DATAE1", "C:\\Nowhere\\x.bin"), OsError);
  EXPECT_FALSE(files.ExtractOwnResource("DATAE2", "C:\\TEMP\\none.bin"));
  // Onto the executable itself: the file becomes the resource's bytes.
  EXPECT_TRUE(files.ExtractOwnResource("DATAE1", "C:\\Shows\\show.exe"));
  EXPECT_EQ(files.Contents("C:\\Shows\\show.exe"), "0123456789");
}

}  // namespace
}  // namespace vx::sim
