#include "host/embedded_files.h"

#include <gtest/gtest.h>

#include "host/application.h"
#include "host/load_form.h"
#include "host/path_macros.h"
#include "host/project.h"
#include "platform/sim/sim_desktop.h"

namespace vx {
namespace {

const std::string kCursorBytes("\0\0\2\0\1\0", 6);
const std::string kAnimatedBytes = std::string("RIFF\4\0\0\0ACON", 12);

class EmbeddedFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.tempFolder = "C:\\Temp\\";
    app.windowsFolder = "C:\\Windows\\";
    app.programFolder = "C:\\Shows\\";
  }
  void AddEntry(const std::string& name, const std::string& bytes) {
    project.embeddedFiles.push_back(name);
    desktop.files.SetOwnResource("DATAE" + std::to_string(project.embeddedFiles.size() - 1), bytes);
  }
  bool Extracted(const std::string& name) { return desktop.files.FileExists("C:\\Temp\\VXTEMP\\" + name); }

  sim::SimDesktop desktop;
  Application app{desktop.Platform()};
  Project project;
};

TEST_F(EmbeddedFilesTest, OnlyCursorFilesWithoutExtractAll) {
  AddEntry("a.htm", "<html>");
  AddEntry("b.cur", kCursorBytes);
  AddEntry("c.ANI", kAnimatedBytes);
  ExtractEmbed(app, project, false);
  EXPECT_TRUE(desktop.files.DirectoryExists("C:\\Temp\\VXTEMP\\"));
  EXPECT_FALSE(Extracted("a.htm"));
  EXPECT_TRUE(Extracted("b.cur"));
  EXPECT_TRUE(Extracted("c.ANI"));
}

TEST_F(EmbeddedFilesTest, EverythingWithExtractAllAndTheProgressBarFollows) {
  app.splash = std::make_unique<TVXLoad>(desktop.Platform());
  AddEntry("a.htm", "<html>");
  AddEntry("b.cur", kCursorBytes);
  AddEntry("c.ani", kAnimatedBytes);
  ExtractEmbed(app, project, true);
  EXPECT_TRUE(Extracted("a.htm"));
  EXPECT_TRUE(Extracted("b.cur"));
  EXPECT_TRUE(Extracted("c.ani"));
  EXPECT_EQ(platform::ReadWholeFile(desktop.files, "C:\\Temp\\VXTEMP\\a.htm"), "<html>");
  EXPECT_EQ(app.splash->Progress().Maximum(), 3);
  EXPECT_EQ(app.splash->Progress().Position(), 3);
}

TEST_F(EmbeddedFilesTest, FolderPartsAndDrivesAreDropped) {
  AddEntry("pages\\index.htm", "1");
  AddEntry("media/clip.avi", "2");
  AddEntry("D:evil.txt", "3");
  AddEntry("..\\..\\Windows\\win.ini", "4");
  ExtractEmbed(app, project, true);
  EXPECT_TRUE(Extracted("index.htm"));
  EXPECT_TRUE(Extracted("clip.avi"));
  EXPECT_TRUE(Extracted("evil.txt"));
  EXPECT_TRUE(Extracted("win.ini"));
  EXPECT_FALSE(desktop.files.FileExists("C:\\Windows\\win.ini"));
}

TEST_F(EmbeddedFilesTest, UnsafeNamesAreSkippedNotFatal) {
  AddEntry("..", "x");
  AddEntry("pages\\", "y");
  AddEntry("after.htm", "z");
  ExtractEmbed(app, project, true);
  EXPECT_TRUE(Extracted("after.htm"));
  EXPECT_EQ(desktop.files.FilesUnder("C:\\Temp\\VXTEMP\\").size(), 1u);
}

TEST_F(EmbeddedFilesTest, MissingResourceEndsTheExtraction) {
  AddEntry("a.htm", "1");
  project.embeddedFiles.push_back("gone.htm");  // no DATAE2
  AddEntry("c.htm", "3");
  ExtractEmbed(app, project, true);
  EXPECT_TRUE(Extracted("a.htm"));
  EXPECT_FALSE(Extracted("c.htm"));
}

TEST_F(EmbeddedFilesTest, ExistingFolderAndOldFilesAreOverwritten) {
  desktop.files.AddDirectory("C:\\Temp\\VXTEMP\\");
  desktop.files.AddFile("C:\\Temp\\VXTEMP\\a.htm", "old");
  AddEntry("a.htm", "new");
  ExtractEmbed(app, project, true);
  EXPECT_EQ(platform::ReadWholeFile(desktop.files, "C:\\Temp\\VXTEMP\\a.htm"), "new");
}

TEST_F(EmbeddedFilesTest, CursorsAreNumberedFromThirteenAndStopAtABadOne) {
  AddEntry("b.cur", kCursorBytes);
  AddEntry("c.ani", kAnimatedBytes);
  desktop.files.AddFile("C:\\Shows\\bad.cur", "not a cursor");
  project.cursorFiles = {"[embed]b.cur", "[EMBED]\\c.ani", "[src]bad.cur", "[embed]b.cur"};
  ExtractEmbed(app, project, false);
  EXPECT_EQ(desktop.fonts.CustomCursor(13), "C:\\Temp\\VXTEMP\\b.cur");
  EXPECT_EQ(desktop.fonts.CustomCursor(14), "C:\\Temp\\VXTEMP\\c.ani");
  EXPECT_EQ(desktop.fonts.CustomCursor(15), "");
  EXPECT_EQ(desktop.fonts.CustomCursor(16), "");  // loading stopped at 15
}

class PathMacrosTest : public EmbeddedFilesTest {};

TEST_F(PathMacrosTest, EveryMacroInAnyCase) {
  EXPECT_EQ(ParsePathDirect(app, "[SRC]movie.avi"), "C:\\Shows\\movie.avi");
  EXPECT_EQ(ParsePathDirect(app, "[src]\\movie.avi"), "C:\\Shows\\movie.avi");
  EXPECT_EQ(ParsePathDirect(app, "[Win]a"), "C:\\Windows\\a");
  EXPECT_EQ(ParsePathDirect(app, "[tmp]a"), "C:\\Temp\\a");
  EXPECT_EQ(ParsePathDirect(app, "[sys]a.dll"), "C:\\Windows\\System32\\a.dll");
  EXPECT_EQ(ParsePathDirect(app, "[embed]a"), app.ExtractionFolder() + "a");
  EXPECT_EQ(ParsePathDirect(app, "[src][src]"), "C:\\Shows\\C:\\Shows\\");
}

TEST_F(PathMacrosTest, DoubleBackslashesWithoutBrackets) {
  EXPECT_EQ(ParsePathDirect(app, "C:\\\\a\\\\b.txt"), "C:\\a\\b.txt");
  EXPECT_EQ(ParsePathDirect(app, "\\\\\\x"), "\\\\x");  // one pass: three become two
  EXPECT_EQ(ParsePathDirect(app, "[other]\\\\y"), "[other]\\y");
  EXPECT_EQ(ParsePathDirect(app, ""), "");
}

TEST_F(PathMacrosTest, PersianBytesAreLeftAlone) {
  EXPECT_EQ(ParsePathDirect(app, "[src]\xC8\xE1\xE5.avi"), "C:\\Shows\\\xC8\xE1\xE5.avi");
}

}  // namespace
}  // namespace vx
