// The standard dialogs of the script's page, answered on the simulated desktop.

#include <gtest/gtest.h>

#include "tests/script/runner_fixture.h"

namespace vx::test {
namespace {

using Kind = sim::DialogAnswer::Kind;

class DialogCommandsTest : public RunnerTest {
 protected:
  void Choose(std::vector<std::string> files) {
    sim::DialogAnswer a;
    a.kind = Kind::Files;
    a.files = std::move(files);
    desktop.dialogs.QueueDialogAnswer(a);
  }
  void Cancel() { desktop.dialogs.QueueDialogAnswer({}); }
  const sim::ShownDialog& Last() { return desktop.dialogs.DialogsShown().back(); }
};

TEST_F(DialogCommandsTest, OpenWithMultipleSelectionListsEveryFile) {
  Choose({"C:\\Data\\a.txt", "C:\\Data\\b.txt"});
  EXPECT_EQ(Run("26(\"Text|*.txt\",\"\",\"C:\\Data\",1)"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\Data\\a.txt|C:\\Data\\b.txt|");
  EXPECT_TRUE(Last().file.multiSelect);
  EXPECT_EQ(Last().file.initialFolder, "C:\\Data");
  // The page template: read-only box checked but hidden, sizable.
  EXPECT_TRUE(Last().file.readOnlyBox);
  EXPECT_TRUE(Last().file.hideReadOnly);
  EXPECT_TRUE(Last().file.sizing);
  EXPECT_FALSE(Last().file.overwritePrompt);
}

TEST_F(DialogCommandsTest, OpenWithOneFileGivesItWithoutSeparator) {
  Choose({"C:\\Data\\a.txt", "C:\\Data\\b.txt"});
  EXPECT_EQ(Run("26(\"Text|*.txt\")"), std::nullopt);  // no multiple selection: the first only
  EXPECT_EQ(Str("_file"), "C:\\Data\\a.txt");
  EXPECT_FALSE(Last().file.multiSelect);
}

TEST_F(DialogCommandsTest, OpenKeepsItsSettingsUnlessTheStatementGivesThem) {
  Choose({"C:\\x.txt"});
  EXPECT_EQ(Run("26(\"A|*.a\",\"first.a\",\"C:\\One\",1)"), std::nullopt);
  Cancel();
  EXPECT_EQ(Run("26(\"B|*.b\")"), std::nullopt);
  EXPECT_EQ(Str("_file"), "");  // a cancelled open gives the empty text
  EXPECT_EQ(Last().file.filter, "B|*.b");
  EXPECT_EQ(Last().file.fileName, "C:\\x.txt");  // the last choice stays
  EXPECT_EQ(Last().file.initialFolder, "C:\\One");
  EXPECT_FALSE(Last().file.multiSelect);  // off unless argument 4 says on
}

TEST_F(DialogCommandsTest, CancelledSaveKeepsThePresetName) {
  Cancel();
  EXPECT_EQ(Run("27(\"Text files|*.txt|All|*.*\",\"certificate.txt\",\"C:\\Data\")"), std::nullopt);
  EXPECT_EQ(Str("_file"), "certificate.txt");
  EXPECT_EQ(Last().file.defaultExtension, "txt");
  EXPECT_TRUE(Last().file.overwritePrompt);
  EXPECT_TRUE(Last().file.hideReadOnly);
  EXPECT_FALSE(Last().file.readOnlyBox);
  Choose({"C:\\Data\\mine"});
  EXPECT_EQ(Run("27(\"Text files|*.txt|All|*.*\",\"certificate.txt\",\"C:\\Data\")"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\Data\\mine.txt");  // the default extension is added
}

TEST_F(DialogCommandsTest, DefaultExtensionFromTheFilter) {
  struct Case {
    const char* filter;
    const char* extension;
  };
  for (const Case& c : {Case{"Text|*.txt|All|*.*", "txt"}, {"Pictures|*.bmp", "bmp"}, {"No bar", ""},
                        {"Docs|doc|Other|*.*", "doc"}, {"Odd|*", ""}}) {
    Cancel();
    EXPECT_EQ(Run(std::string("27(\"") + c.filter + "\",\"\",\"\")"), std::nullopt) << c.filter;
    EXPECT_EQ(Last().file.defaultExtension, c.extension) << c.filter;
  }
}

TEST_F(DialogCommandsTest, FolderDialogTakesAllFiveArguments) {
  sim::DialogAnswer a;
  a.kind = Kind::Folder;
  a.folder = "C:\\Users\\Shirin";
  desktop.dialogs.QueueDialogAnswer(a);
  EXPECT_EQ(Run("28(\"Where\",\"Pick a folder\",\"C:\\\",1,0)"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\Users\\Shirin");
  EXPECT_EQ(Last().folder.caption, "Where");
  EXPECT_EQ(Last().folder.text, "Pick a folder");
  EXPECT_TRUE(Last().folder.listFiles);
  EXPECT_FALSE(Last().folder.newFolderButton);
  EXPECT_TRUE(Last().folder.foldersOnly);
  EXPECT_TRUE(Last().folder.statusLine);
  // Cancelled: the folder it was set to.
  EXPECT_EQ(Run("28(\"Where\",\"Pick\",\"C:\\Data\",0,1)"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\Data");
  // Numeric arguments that are missing fail the statement.
  EXPECT_NE(Run("28(\"Where\",\"Pick\",\"C:\\Data\")"), std::nullopt);
}

TEST_F(DialogCommandsTest, ColourMinusOneKeepsThePreviousColour) {
  sim::DialogAnswer a;
  a.kind = Kind::Color;
  a.color = platform::MakeColor(0x12, 0x34, 0x56);
  desktop.dialogs.QueueDialogAnswer(a);
  EXPECT_EQ(Run("29(255,128,0)"), std::nullopt);
  EXPECT_EQ(Last().color.color, platform::MakeColor(255, 128, 0));
  EXPECT_TRUE(Last().color.fullOpen);
  EXPECT_EQ(Str("_color"), "123456");
  // -1 alone is enough: the dialog opens on the colour chosen last.
  EXPECT_EQ(Run("29(-1)"), std::nullopt);
  EXPECT_EQ(Last().color.color, platform::MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(Str("_color"), "");  // cancelled
  EXPECT_NE(Run("29(10)"), std::nullopt);  // green and blue are needed
}

TEST_F(DialogCommandsTest, FontDescriptionPresetsTheDialog) {
  EXPECT_EQ(Run("30(\"Tahoma:178:12:FF0000\")"), std::nullopt);
  const platform::FontDialogState& shown = Last().font;
  EXPECT_EQ(shown.font.name, "Tahoma");
  EXPECT_EQ(shown.font.charset, 178);
  EXPECT_EQ(shown.font.size, 12);
  EXPECT_EQ(shown.color, platform::MakeColor(255, 0, 0));
  // Read back even though the dialog was cancelled.
  EXPECT_EQ(Str("_font"), "Tahoma,12,178,N");

  sim::DialogAnswer a;
  a.kind = Kind::Font;
  a.font.name = "Arial";
  a.font.size = 20;
  a.font.charset = 0;
  a.font.bold = true;
  desktop.dialogs.QueueDialogAnswer(a);
  EXPECT_EQ(Run("30(\"Tahoma:178:12:FF0000\")"), std::nullopt);
  EXPECT_EQ(Str("_font"), "Arial,20,0,B");
}

TEST_F(DialogCommandsTest, BadFontDescriptionsFail) {
  const std::string message = "Line #1: VEXORELLE Syntax Error: Font syntax is invalid.";
  EXPECT_EQ(Run("30(\"Tahoma:12\")"), message);
  EXPECT_EQ(Run("30(\"Tahoma:178:12:FF0000:1\")"), message);
  EXPECT_EQ(Run("30(\"Tahoma:a:12:FF0000\")"), "Line #1: 'a' is not a valid integer value");
  EXPECT_EQ(Run("30(\"Tahoma:178:big:FF0000\")"), "Line #1: 'big' is not a valid integer value");
  EXPECT_TRUE(desktop.dialogs.DialogsShown().empty());
}

TEST_F(DialogCommandsTest, AnUnansweredDialogIsCancelledAndLogged) {
  EXPECT_EQ(Run("26(\"Text|*.txt\")"), std::nullopt);
  EXPECT_EQ(Str("_file"), "");
  EXPECT_TRUE(desktop.log.Contains("open dialog cancelled (no answer)"));
  // An answer of another kind is used up and cancels.
  sim::DialogAnswer a;
  a.kind = Kind::Folder;
  a.folder = "C:\\";
  desktop.dialogs.QueueDialogAnswer(a);
  EXPECT_EQ(Run("26(\"Text|*.txt\")\r\n28(\"c\",\"t\",\"C:\\Data\",0,0)"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\Data");
}

}  // namespace
}  // namespace vx::test
