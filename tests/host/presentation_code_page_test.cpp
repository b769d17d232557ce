#include "host/presentation_code_page.h"

#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "util/codepage.h"
#include "util/error.h"

namespace vx {
namespace {

// "Vexorelle" in Persian, as the presentation keeps it and as the system does.
const std::string kPersian1256 = "\xE6\x98\xD3\xE6\xD1\xE1";
const std::string kPersianUtf8 = "\xD9\x88\xDA\xA9\xD8\xB3\xD9\x88\xD8\xB1\xD9\x84";

class PresentationCodePageTest : public ::testing::Test {
 protected:
  tools::ProjectModel project = test::OnePageProject();
  tools::PageModel& page = project.pages.front();
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;

  unsigned Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    return app->codePage;
  }
  std::optional<std::string> Run(const std::string& script) {
    try {
      DoActions(*app, app->MainForm(), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }
  std::string Str(const std::string& name) { return app->values.GetStrVar(name); }
};

TEST_F(PresentationCodePageTest, WithoutArabicTextTheSystemsCodePage) {
  page.AddText("Title").font.charset = 0;
  page.AddButton("Go");
  EXPECT_EQ(Start(), kWesternCodePage);
  EXPECT_EQ(desktop.codePages.Presentation(), kWesternCodePage);

  sim::SimDesktop persianSystem;
  persianSystem.codePages.SetSystem(kArabicCodePage);
  test::InstallPresentation(persianSystem, project);
  EXPECT_EQ(StartPlayer(persianSystem.Platform())->codePage, kArabicCodePage);
}

TEST_F(PresentationCodePageTest, AnArabicCharsetInAnyFontedKindMeansWindows1256) {
  for (int kind = 0; kind < 3; ++kind) {
    tools::ProjectModel p = test::OnePageProject();
    tools::PageModel& pg = p.pages.front();
    pg.AddText("Plain");
    if (kind == 0) pg.AddText("Persian").font.charset = kArabicCharset;
    if (kind == 1) pg.AddEdit("Persian").font.charset = kArabicCharset;
    if (kind == 2) pg.AddButton("Persian").font.charset = kArabicCharset;
    sim::SimDesktop fresh;
    test::InstallPresentation(fresh, p);
    EXPECT_EQ(StartPlayer(fresh.Platform())->codePage, kArabicCodePage) << kind;
    EXPECT_EQ(fresh.codePages.Presentation(), kArabicCodePage) << kind;
  }
}

TEST_F(PresentationCodePageTest, OtherCharsetsLeaveTheSystemsCodePage) {
  page.AddText("Greek").font.charset = 161;
  page.AddEdit("Hebrew").font.charset = 177;  // next to Arabic, and not it
  EXPECT_EQ(Start(), kWesternCodePage);
}

TEST_F(PresentationCodePageTest, ARightToLeftPageOrObjectMeansWindows1256) {
  page.flags.rightToLeft = true;
  EXPECT_EQ(Start(), kArabicCodePage);

  for (int kind = 0; kind < 3; ++kind) {
    tools::ProjectModel p = test::OnePageProject();
    tools::PageModel& pg = p.pages.front();
    if (kind == 0) pg.AddText("Line").rightToLeft = true;
    if (kind == 1) pg.AddEdit("Line").rightToLeft = true;
    if (kind == 2) pg.AddButton("Line").rightToLeft = true;
    sim::SimDesktop fresh;
    test::InstallPresentation(fresh, p);
    EXPECT_EQ(StartPlayer(fresh.Platform())->codePage, kArabicCodePage) << kind;
  }
}

TEST_F(PresentationCodePageTest, ALaterPageCounts) {
  project.AddPage("Second").AddButton("Far").font.charset = kArabicCharset;
  EXPECT_EQ(Start(), kArabicCodePage);
}

TEST_F(PresentationCodePageTest, TheUsersSwitchWinsBothWays) {
  page.AddText("Persian").font.charset = kArabicCharset;
  desktop.process.SetCommandLine("\"C:\\Shows\\demo.exe\" --codepage=1252");
  EXPECT_EQ(Start(), kWesternCodePage);

  sim::SimDesktop plain;
  plain.process.SetCommandLine("\"C:\\Shows\\demo.exe\" --codepage=1256");
  test::InstallPresentation(plain, test::OnePageProject());
  EXPECT_EQ(StartPlayer(plain.Platform())->codePage, kArabicCodePage);
}

TEST_F(PresentationCodePageTest, ACodePageTheSystemCannotConvertFallsBackToTheRule) {
  page.flags.rightToLeft = true;
  desktop.process.SetCommandLine("\"C:\\Shows\\demo.exe\" --codepage=932");
  EXPECT_EQ(Start(), kArabicCodePage);
}

TEST_F(PresentationCodePageTest, AnUnreadableContainerLeavesTheSystemsCodePage) {
  test::InstallPresentation(desktop, project);
  desktop.files.SetOwnResource("PDATA", "not a container");
  EXPECT_EQ(DecidePresentationCodePage(desktop.Platform()), kWesternCodePage);
  EXPECT_EQ(ProbeCodePageEvidence("").arabicCharset, false);
}

TEST_F(PresentationCodePageTest, ScriptsDoNotSeeTheSwitch) {
  desktop.process.SetCommandLine("\"C:\\Shows\\demo.exe\" one --codepage=1256 two");
  Start();
  EXPECT_EQ(Run("$a=9(1)\r\n$b=9(2)\r\n$c=9(3)"), std::nullopt);
  EXPECT_EQ(Str("a"), "one");
  EXPECT_EQ(Str("b"), "two");
  EXPECT_EQ(Str("c"), "");
}

// A Persian presentation on a Western system: every text that crosses the
// edge reaches the system as the right Unicode and comes back byte for byte.
class PersianOnWesternSystemTest : public PresentationCodePageTest {
 protected:
  PersianOnWesternSystemTest() { page.flags.rightToLeft = true; }
};

TEST_F(PersianOnWesternSystemTest, TheClipboardBothWays) {
  Start();
  EXPECT_EQ(Run("38(\"" + kPersian1256 + "\")"), std::nullopt);
  EXPECT_EQ(desktop.clipboard.SystemText(), kPersianUtf8);
  desktop.clipboard.SetSystemText(kPersianUtf8 + " \xE2\x82\xAC");  // and the euro sign
  EXPECT_EQ(Run("$c=10()"), std::nullopt);
  EXPECT_EQ(Str("c"), kPersian1256 + " \x80");
}

TEST_F(PersianOnWesternSystemTest, TheCommandLine) {
  desktop.process.SetCommandLine("\"C:\\Shows\\demo.exe\" \"" + kPersianUtf8 + " 2\"");
  Start();
  EXPECT_EQ(Run("$p=9(1)"), std::nullopt);
  EXPECT_EQ(Str("p"), kPersian1256 + " 2");
}

TEST_F(PersianOnWesternSystemTest, TheFileDialogsAnswer) {
  Start();
  sim::DialogAnswer answer;
  answer.kind = sim::DialogAnswer::Kind::Files;
  answer.files = {"C:\\" + kPersianUtf8 + "\\" + kPersianUtf8 + ".txt"};
  desktop.dialogs.QueueDialogAnswer(answer);
  EXPECT_EQ(Run("26(\"Text|*.txt\")"), std::nullopt);
  EXPECT_EQ(Str("_file"), "C:\\" + kPersian1256 + "\\" + kPersian1256 + ".txt");

  sim::DialogAnswer folder;
  folder.kind = sim::DialogAnswer::Kind::Folder;
  folder.folder = "D:\\" + kPersianUtf8;
  desktop.dialogs.QueueDialogAnswer(folder);
  EXPECT_EQ(Run("28(\"\",\"" + kPersian1256 + "\",\"\",0,0)"), std::nullopt);
  EXPECT_EQ(Str("_file"), "D:\\" + kPersian1256);
}

TEST_F(PersianOnWesternSystemTest, FileNamesWrittenAndReadBack) {
  Start();
  const std::string name = "C:\\TEMP\\" + kPersian1256 + ".txt";
  EXPECT_EQ(Run("41(\"" + name + "\",\"" + kPersian1256 + "\")\r\n$back=11(\"" + name + "\")"), std::nullopt);
  const auto files = desktop.files.FilesUnder("C:\\TEMP");
  EXPECT_EQ(files.count("C:\\TEMP\\" + kPersianUtf8 + ".TXT"), 1u);
  // Contents are the presentation's bytes, as a system in its code page keeps them.
  EXPECT_EQ(desktop.files.Contents("C:\\TEMP\\" + kPersianUtf8 + ".txt"), kPersian1256);
  EXPECT_EQ(Str("back").substr(0, kPersian1256.size()), kPersian1256);

  const std::string copy = "C:\\TEMP\\" + kPersian1256 + "2.txt";
  EXPECT_EQ(Run("32(\"" + name + "\",\"" + copy + "\")"), std::nullopt);
  EXPECT_EQ(files.size() + 1, desktop.files.FilesUnder("C:\\TEMP").size());
  EXPECT_EQ(desktop.files.Contents("C:\\TEMP\\" + kPersianUtf8 + "2.txt"), kPersian1256);
}

TEST_F(PersianOnWesternSystemTest, RegistryNamesAndValues) {
  Start();
  constexpr std::uint32_t kUser = 0x80000001;
  EXPECT_EQ(Run("50(\"Software\\" + kPersian1256 + "\",1)\r\n53(\"" + kPersian1256 + "\",\"" + kPersian1256 + "\")"),
            std::nullopt);
  const auto stored = desktop.registry.StoredValue(kUser, "Software\\" + kPersianUtf8, kPersianUtf8);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->data, kPersianUtf8);
  EXPECT_EQ(Run("$r=29(\"" + kPersian1256 + "\")"), std::nullopt);
  EXPECT_EQ(Str("r"), kPersian1256);
  // An integer's bytes are not text.
  EXPECT_EQ(Run("54(\"n\",233)"), std::nullopt);
  EXPECT_EQ(desktop.registry.StoredValue(kUser, "Software\\" + kPersianUtf8, "n")->data, std::string("\xE9\0\0\0", 4));
}

TEST_F(PersianOnWesternSystemTest, IniFileNamesCrossTheirContentsStay) {
  Start();
  EXPECT_EQ(Run("102(\"C:\\TEMP\\" + kPersian1256 + ".ini\")\r\n103(\"" + kPersian1256 + "\",\"k\",\"" +
                kPersian1256 + "\")\r\n$v=30(\"" + kPersian1256 + "\",\"k\")"),
            std::nullopt);
  EXPECT_EQ(Str("v"), kPersian1256);
  EXPECT_EQ(desktop.files.Contents("C:\\TEMP\\" + kPersianUtf8 + ".ini"),
            "[" + kPersian1256 + "]\r\nk=" + kPersian1256 + "\r\n");
}

TEST_F(PersianOnWesternSystemTest, TheOwnPath) {
  desktop.files.SetOwnExecutable("C:\\" + kPersianUtf8 + "\\demo.exe", test::ExecutableWithTrailer("0\r\n"));
  for (const auto& r : tools::WriteResources(project)) desktop.files.SetOwnResource(r.name, r.bytes);
  app = StartPlayer(desktop.Platform());
  EXPECT_EQ(app->programFolder, "C:\\" + kPersian1256 + "\\");
  EXPECT_EQ(Run("$p=9(0)"), std::nullopt);
  EXPECT_EQ(Str("p"), "C:\\" + kPersian1256 + "\\demo.exe");
}

TEST(WesternPresentationTest, EveryByteCrossesAndComesBack) {
  sim::SimDesktop desktop;
  test::InstallPresentation(desktop, test::OnePageProject());
  auto app = StartPlayer(desktop.Platform());
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  desktop.clipboard.SetText(all);
  EXPECT_EQ(desktop.clipboard.Text(), all);
  EXPECT_EQ(desktop.clipboard.SystemText(), CodePageToUtf8(all, kWesternCodePage));
  EXPECT_NE(desktop.clipboard.SystemText(), all);  // it did go through Unicode
}

}  // namespace
}  // namespace vx
