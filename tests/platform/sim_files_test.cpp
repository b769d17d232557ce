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

}  // namespace
}  // namespace vx::sim
