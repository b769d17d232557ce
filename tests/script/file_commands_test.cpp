// File commands, embedded-file extraction and the settings block of another
// executable; fonts, clipboard and sound services.

#include <gtest/gtest.h>

#include "host/startup.h"
#include "tests/script/runner_fixture.h"
#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"

namespace vx::test {
namespace {

class FileCommandsTest : public RunnerTest {};

TEST_F(FileCommandsTest, CopyMoveRenameDelete) {
  desktop.files.AddFile("C:\\Data\\a.txt", "alpha");
  desktop.files.AddFile("C:\\Data\\old.txt", "old");
  EXPECT_EQ(Run("32(\"C:\\Data\\a.txt\",\"C:\\Data\\old.txt\")"), std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\old.txt"), "alpha");  // replaced
  EXPECT_EQ(Run("33(\"C:\\Data\\a.txt\",\"C:\\TEMP\\b.txt\")"), std::nullopt);
  EXPECT_FALSE(desktop.files.FileExists("C:\\Data\\a.txt"));
  EXPECT_EQ(desktop.files.Contents("C:\\TEMP\\b.txt"), "alpha");
  EXPECT_EQ(Run("34(\"C:\\TEMP\\b.txt\",\"C:\\TEMP\\c.txt\")"), std::nullopt);
  EXPECT_TRUE(desktop.files.FileExists("C:\\TEMP\\c.txt"));
  EXPECT_EQ(Run("35(\"C:\\TEMP\\c.txt\")"), std::nullopt);
  EXPECT_FALSE(desktop.files.FileExists("C:\\TEMP\\c.txt"));
}

TEST_F(FileCommandsTest, FileCommandsFailSilently) {
  desktop.files.AddFile("C:\\Data\\a.txt", "alpha");
  desktop.files.AddFile("C:\\Data\\b.txt", "beta");
  EXPECT_EQ(Run("32(\"C:\\Data\\none.txt\",\"C:\\Data\\x.txt\")\r\n"
                "32(\"C:\\Data\\a.txt\",\"c:\\data\\A.TXT\")\r\n"   // onto itself
                "32(\"C:\\Data\\a.txt\",\"C:\\No\\Folder\\x.txt\")\r\n"
                "33(\"C:\\Data\\a.txt\",\"C:\\Data\\b.txt\")\r\n"    // the target exists
                "34(\"C:\\Data\\none.txt\",\"C:\\Data\\y.txt\")\r\n"
                "35(\"C:\\Data\\none.txt\")"),
            std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\a.txt"), "alpha");
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\b.txt"), "beta");
  EXPECT_FALSE(desktop.files.FileExists("C:\\Data\\x.txt"));
}

TEST_F(FileCommandsTest, WriteFileReplacesItAndReportsTheSystemsRefusal) {
  desktop.files.AddFile("C:\\Data\\note.txt", "a much longer old text");
  EXPECT_EQ(Run("41(\"C:\\Data\\note.txt\",\"Hi\")"), std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\note.txt"), "Hi");  // no line end added
  const auto error = Run("41(\"C:\\No\\Folder\\note.txt\",\"Hi\")");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("Line #1: Cannot create file"), std::string::npos) << *error;
}

TEST_F(FileCommandsTest, ExtractionFindsTheEntryInAnyLetterCase) {
  app->project.embeddedFiles = {"", "pages\\Index.HTM", "C:Movie.avi"};
  desktop.files.AddDirectory("C:\\Data");
  desktop.files.SetOwnResource("DATAE1", "<html>");
  desktop.files.SetOwnResource("DATAE2", "frames");
  EXPECT_EQ(Run("106(\"INDEX.htm\",\"C:\\Data\\i.htm\")\r\n106(\"movie.AVI\",\"C:\\Data\\m.avi\")"), std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\i.htm"), "<html>");
  EXPECT_EQ(desktop.files.Contents("C:\\Data\\m.avi"), "frames");
  // The whole entry is no file name of the table.
  EXPECT_EQ(Run("106(\"pages\\index.htm\",\"C:\\Data\\j.htm\")"), "Line #1: Embedded file not found.");
  EXPECT_EQ(Run("106(\"unknown.txt\",\"C:\\Data\\u.txt\")"), "Line #1: Embedded file not found.");
  EXPECT_EQ(Run("106(\"index.htm\",\"C:\\No\\Folder\\i.htm\")"), "Line #1: Embedded file not found.");
  EXPECT_TRUE(desktop.dialogs.Shown().empty());  // no boxes of a fallback path
}

TEST_F(FileCommandsTest, SettingsBlockKeepsItsFirstByteAndTakesTheText) {
  desktop.files.AddFile("C:\\Copies\\show.exe", ExecutableWithTrailer("1\r\nan old and long setting"));
  EXPECT_EQ(Run("107(\"C:\\Copies\\show.exe\",\"\\brnew\")\r\n$block = 31(\"C:\\Copies\\show.exe\")"),
            std::nullopt);
  // The old block's tail does not survive behind the shorter new text.
  EXPECT_EQ(Str("block"), "1\r\nnew\r\n");
}

TEST_F(FileCommandsTest, SettingsBlockRefusesFilesThatAreNotOurs) {
  desktop.files.AddFile("C:\\other.exe", ExecutableWithTrailer("MZ not ours"));
  const std::string before = desktop.files.Contents("C:\\other.exe");
  EXPECT_EQ(Run("107(\"C:\\other.exe\",\"x\")"), "Line #1: This file is not an Vexorelle executable file.");
  EXPECT_EQ(desktop.files.Contents("C:\\other.exe"), before);
  // Without a readable trailer nothing happens.
  desktop.files.AddFile("C:\\tiny.exe", "MZ");
  EXPECT_EQ(Run("107(\"C:\\tiny.exe\",\"x\")\r\n107(\"C:\\missing.exe\",\"x\")"), std::nullopt);
  EXPECT_EQ(desktop.files.Contents("C:\\tiny.exe"), "MZ");
  EXPECT_FALSE(desktop.files.FileExists("C:\\missing.exe"));
}

TEST_F(FileCommandsTest, SettingsBlockFailuresLeaveTheFileAsItWas) {
  desktop.files.AddFile("C:\\ro.exe", ExecutableWithTrailer("0\r\n"));
  desktop.files.SetReadOnly("C:\\ro.exe");
  const std::string before = desktop.files.Contents("C:\\ro.exe");
  EXPECT_EQ(Run("107(\"C:\\ro.exe\",\"x\")"), "Line #1: Failed to set data.");
  EXPECT_EQ(desktop.files.Contents("C:\\ro.exe"), before);
  // A write that fails half-way is cut off again.
  desktop.files.AddFile("C:\\full.exe", before);
  desktop.files.InjectWriteError("C:\\full.exe");
  EXPECT_EQ(Run("107(\"C:\\full.exe\",\"a long text that does not fit\")"), "Line #1: Failed to set data.");
  EXPECT_EQ(desktop.files.Contents("C:\\full.exe"), before);
}

TEST(SettingsBlockOfAPresentation, TheCopyStillStartsAndReadsTheNewBlock) {
  const std::string image = tools::WithRcDataResources(PeBuilder().Build(), tools::WriteResources(OnePageProject()));
  sim::SimDesktop writer;
  InstallPresentation(writer, OnePageProject());
  auto app = StartPlayer(writer.Platform());
  writer.files.AddFile("C:\\Copies\\copy.exe", image + "1\r\n" +
                                                   std::string("\x07\x00\x00\x00", 4));
  DoActions(*app, app->MainForm(), "107(\"C:\\Copies\\copy.exe\",\"\\brTehran\")");
  const std::string copy = writer.files.Contents("C:\\Copies\\copy.exe");
  EXPECT_EQ(copy.compare(0, image.size(), image), 0);

  sim::SimDesktop reader;
  reader.files.SetOwnExecutable("C:\\Copies\\copy.exe", copy);
  reader.files.UseResourcesOfOwnExecutable();
  auto copied = StartPlayer(reader.Platform());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->formDB.size(), 2u);  // its one page
  DoActions(*copied, copied->MainForm(), "$block = 31(\"C:\\Copies\\copy.exe\")");
  EXPECT_EQ(copied->values.GetStrVar("block"), "1\r\nTehran\r\n");
}

TEST_F(FileCommandsTest, FontsClipboardAndSounds) {
  desktop.files.AddFile("C:\\Fonts\\Nazanin.ttf", "not a real font");
  EXPECT_EQ(Run("36(\"C:\\Fonts\\Nazanin.ttf\")"), std::nullopt);
  EXPECT_EQ(desktop.fonts.Installed().count("C:\\Fonts\\Nazanin.ttf"), 1u);
  // 37 lower-cases the argument's text before it is evaluated.
  EXPECT_EQ(Run("37(\"C:\\FONTS\\NAZANIN.TTF\")"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("font removed c:\\fonts\\nazanin.ttf"));
  EXPECT_EQ(desktop.fonts.Installed().size(), 0u);

  EXPECT_EQ(Run("38(\"copied \"+\"text\")"), std::nullopt);
  EXPECT_EQ(desktop.clipboard.Text(), "copied text");

  EXPECT_EQ(Run("39(\"play cdaudio\")\r\n43(64)"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("mci play cdaudio"));
  EXPECT_TRUE(desktop.log.Contains("system sound 64"));

  const std::uint64_t before = desktop.loop.Now();
  EXPECT_EQ(Run("44(440,250)"), std::nullopt);
  EXPECT_EQ(desktop.loop.Now(), before + 250);  // the thread waited for the tone
}

TEST_F(FileCommandsTest, KeyboardLayoutNamesAreEightCharacters) {
  EXPECT_EQ(Run("42(409)"), std::nullopt);
  EXPECT_EQ(desktop.input.KeyboardLayout(), "00000409");
  EXPECT_EQ(Run("42(429)"), std::nullopt);
  EXPECT_EQ(desktop.input.KeyboardLayout(), "00000429");
  // A number too long for a layout name changes nothing.
  EXPECT_EQ(Run("42(123456789)"), std::nullopt);
  EXPECT_EQ(desktop.input.KeyboardLayout(), "00000429");
}

}  // namespace
}  // namespace vx::test
