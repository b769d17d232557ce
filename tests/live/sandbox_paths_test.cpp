#include "platform/live/sandbox_paths.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vx::live {
namespace {

TEST(DataFolder, UnderTheXdgDataFolderNamedAfterThePresentation) {
  EXPECT_EQ(DataFolderFor("Tour.EXE", "/data/", "/home/u"), "/data/vexorelle/Tour");
  EXPECT_EQ(DataFolderFor("/cd/My Show.exe", nullptr, "/home/u"), "/home/u/.local/share/vexorelle/My Show");
  // XDG base folders are absolute paths; a relative one counts as unset.
  EXPECT_EQ(DataFolderFor("a.exe", "rel", "/home/u"), "/home/u/.local/share/vexorelle/a");
  EXPECT_THROW(DataFolderFor("a.exe", "", nullptr), std::runtime_error);
}

TEST(DataFolder, ANameNeverLeavesTheVexorelleFolder) {
  EXPECT_EQ(DataFolderFor("..", "/d", nullptr), "/d/vexorelle/presentation");
  EXPECT_EQ(DataFolderFor(".exe", "/d", nullptr), "/d/vexorelle/presentation");
  EXPECT_EQ(DataFolderFor("a\\..\\b*?.exe", "/d", nullptr), "/d/vexorelle/a_.._b__");
  EXPECT_EQ(DataFolderFor("\xD8\xB3.exe", "/d", nullptr), "/d/vexorelle/__");
}

TEST(DiskPath, DrivesAreFoldersOfTheDisk) {
  EXPECT_EQ(DiskPathOf("/d", "C:\\WINDOWS\\win.ini"), "/d/disk/C/WINDOWS/win.ini");
  EXPECT_EQ(DiskPathOf("/d", "e:/Data/x.txt"), "/d/disk/E/Data/x.txt");
  EXPECT_EQ(DiskPathOf("/d", "C:\\"), "/d/disk/C");
}

TEST(DiskPath, DotDotClimbsAtMostToTheDrivesRoot) {
  EXPECT_EQ(DiskPathOf("/d", "C:\\a\\..\\b.txt"), "/d/disk/C/b.txt");
  EXPECT_EQ(DiskPathOf("/d", "C:\\..\\..\\..\\etc\\passwd"), "/d/disk/C/etc/passwd");
  EXPECT_EQ(DiskPathOf("/d", "C:\\a\\...\\.\\b"), "/d/disk/C/b");
  EXPECT_EQ(DiskPathOf("/d", "C:\\a\\.. \\b"), "/d/disk/C/b");
}

TEST(DiskPath, UnixAndNetworkPathsStayOnDriveC) {
  EXPECT_EQ(DiskPathOf("/d", "/etc/passwd"), "/d/disk/C/etc/passwd");
  EXPECT_EQ(DiskPathOf("/d", "\\\\server\\share\\f"), "/d/disk/C/server/share/f");
  EXPECT_EQ(DiskPathOf("/d", "relative.txt"), "/d/disk/C/relative.txt");
  EXPECT_EQ(DiskPathOf("/d", "1:\\x"), "/d/disk/C/1_/x");
}

}  // namespace
}  // namespace vx::live
