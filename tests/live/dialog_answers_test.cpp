#include "platform/live/dialog_answers.h"

#include <gtest/gtest.h>

#include <limits>

namespace vx::live {
namespace {

const ChooserPlaces kPlaces{"/home/ada/.local/share/vexorelle/show", "/media/cd", "C:\\Presentation"};

TEST(DialogFilter, PairsOfNamesAndPatterns) {
  const auto entries = ParseFilter("Text|*.txt;*.log|All files|*.*");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "Text");
  EXPECT_EQ(entries[0].patterns, (std::vector<std::string>{"*.txt", "*.log"}));
  EXPECT_EQ(entries[1].name, "All files");
  EXPECT_EQ(entries[1].patterns, (std::vector<std::string>{"*.*"}));
}

TEST(DialogFilter, ALastNameWithoutPatternsAndEmptyPatternsAreDropped) {
  EXPECT_EQ(ParseFilter("Pictures|*.bmp; *.jpg |Orphan").size(), 1u);
  EXPECT_EQ(ParseFilter("Pictures|*.bmp; *.jpg |Orphan")[0].patterns, (std::vector<std::string>{"*.bmp", "*.jpg"}));
  EXPECT_TRUE(ParseFilter("").empty());
  EXPECT_TRUE(ParseFilter("Nothing|").empty());
  EXPECT_TRUE(ParseFilter("Nothing| ; ").empty());
  const auto unnamed = ParseFilter("|*.ini");
  ASSERT_EQ(unnamed.size(), 1u);
  EXPECT_EQ(unnamed[0].name, "");
}

TEST(ChosenPath, OnTheVirtualDiskItsDrive) {
  EXPECT_EQ(VirtualPathOfChosen(kPlaces.dataFolder + "/disk/C/WINDOWS/show.ini", kPlaces), "C:\\WINDOWS\\show.ini");
  EXPECT_EQ(VirtualPathOfChosen(kPlaces.dataFolder + "/disk/D", kPlaces), "D:\\");
  EXPECT_EQ(VirtualPathOfChosen(kPlaces.dataFolder + "/disk/D/", kPlaces), "D:\\");
}

TEST(ChosenPath, BesideTheExecutableWhereTheRuntimeSeesIt) {
  EXPECT_EQ(VirtualPathOfChosen("/media/cd/video/intro.avi", kPlaces), "C:\\Presentation\\video\\intro.avi");
  EXPECT_EQ(VirtualPathOfChosen("/media/cd", kPlaces), "C:\\Presentation");
  // A sibling whose name only starts like the folder is not in it.
  EXPECT_EQ(VirtualPathOfChosen("/media/cdextra/a.txt", kPlaces), "Z:\\media\\cdextra\\a.txt");
}

TEST(ChosenPath, ElsewhereOnTheOutsideDrive) {
  EXPECT_EQ(VirtualPathOfChosen("/home/ada/Pictures/cat one.jpg", kPlaces), "Z:\\home\\ada\\Pictures\\cat one.jpg");
  EXPECT_EQ(VirtualPathOfChosen("/", kPlaces), "Z:\\");
  // In the data folder but not on a drive of its disk.
  EXPECT_EQ(VirtualPathOfChosen(kPlaces.dataFolder + "/registry.txt", kPlaces),
            "Z:\\home\\ada\\.local\\share\\vexorelle\\show\\registry.txt");
  EXPECT_EQ(VirtualPathOfChosen(kPlaces.dataFolder + "/disk/CD/x", kPlaces),
            "Z:\\home\\ada\\.local\\share\\vexorelle\\show\\disk\\CD\\x");
  EXPECT_EQ(VirtualPathOfChosen("relative/file", kPlaces), std::nullopt);
  EXPECT_EQ(VirtualPathOfChosen("", kPlaces), std::nullopt);
  EXPECT_TRUE(IsOutsidePath("Z:\\home\\a"));
  EXPECT_TRUE(IsOutsidePath("z:\\home\\a"));
  EXPECT_FALSE(IsOutsidePath("C:\\Presentation\\a"));
  EXPECT_FALSE(IsOutsidePath("Z"));
}

TEST(ChosenPath, TheStartingFolderIsInsideTheDataFolder) {
  EXPECT_EQ(RealFolderOfInitial("", kPlaces), "/media/cd");
  EXPECT_EQ(RealFolderOfInitial("C:\\Docs", kPlaces).rfind(kPlaces.dataFolder + "/disk/", 0), 0u);
  EXPECT_EQ(RealFolderOfInitial("C:\\..\\..\\etc", kPlaces).rfind(kPlaces.dataFolder + "/disk/", 0), 0u);
  EXPECT_EQ(RealFolderOfInitial("/etc", kPlaces).rfind(kPlaces.dataFolder + "/disk/", 0), 0u);
}

TEST(ChosenPath, TheDefaultExtensionOnlyWhereTheNameHasNone) {
  EXPECT_EQ(WithDefaultExtension("C:\\Notes\\today", "txt"), "C:\\Notes\\today.txt");
  EXPECT_EQ(WithDefaultExtension("C:\\Notes\\today.doc", "txt"), "C:\\Notes\\today.doc");
  EXPECT_EQ(WithDefaultExtension("C:\\v1.2\\today", "txt"), "C:\\v1.2\\today.txt");  // a dot in a folder is no extension
  EXPECT_EQ(WithDefaultExtension("C:\\Notes\\today", ""), "C:\\Notes\\today");
  EXPECT_EQ(LastPartOf("C:\\Notes\\today.txt"), "today.txt");
  EXPECT_EQ(LastPartOf("today.txt"), "today.txt");
}

TEST(ChosenColor, ChannelsInTheRuntimesOrder) {
  EXPECT_EQ(ColorOfChannels(1.0, 0.0, 0.0), platform::MakeColor(255, 0, 0));
  EXPECT_EQ(ColorOfChannels(0.0, 0.0, 1.0), 0xFF0000u);  // blue is the high byte
  EXPECT_EQ(ColorOfChannels(0.5, 0.25, 0.0), platform::MakeColor(128, 64, 0));
  EXPECT_EQ(ColorOfChannels(-0.2, 1.7, std::numeric_limits<double>::quiet_NaN()), platform::MakeColor(0, 255, 0));
  for (const platform::Color c : {0x000000u, 0x123456u, 0xFFFFFFu, 0x0080FFu}) {
    const Channels ch = ChannelsOfColor(c);
    EXPECT_EQ(ColorOfChannels(ch.red, ch.green, ch.blue), c);
  }
}

TEST(ChosenFont, FamilySizeWeightAndSlantChangeTheRestStays) {
  platform::FontSpec before;
  before.name = "Tahoma";
  before.size = 10;
  before.charset = 178;
  before.underline = true;
  const platform::FontSpec after = FontSpecOfChosen(before, "DejaVu Sans", 13.6, 700, true);
  EXPECT_EQ(after.name, "DejaVu Sans");
  EXPECT_EQ(after.size, 14);
  EXPECT_TRUE(after.bold);
  EXPECT_TRUE(after.italic);
  EXPECT_EQ(after.charset, 178);
  EXPECT_TRUE(after.underline);
  EXPECT_FALSE(FontSpecOfChosen(before, "A", 10, 500, false).bold);   // medium
  EXPECT_TRUE(FontSpecOfChosen(before, "A", 10, 600, false).bold);    // semi-bold
  EXPECT_EQ(FontSpecOfChosen(before, "", 0, 400, false).name, "Tahoma");
  EXPECT_EQ(FontSpecOfChosen(before, "", 0, 400, false).size, 10);
  EXPECT_EQ(FontSpecOfChosen(before, "A", 0.2, 400, false).size, 1);
}

TEST(ChosenFont, ThePangoNameTheChooserStartsWith) {
  platform::FontSpec font;
  font.name = "Tahoma";
  font.size = 12;
  EXPECT_EQ(PangoNameOf(font), "Tahoma 12");
  font.bold = true;
  font.italic = true;
  EXPECT_EQ(PangoNameOf(font), "Tahoma Bold Italic 12");
}

}  // namespace
}  // namespace vx::live
