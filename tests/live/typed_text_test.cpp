#include "platform/live/typed_text.h"

#include <gtest/gtest.h>

#include <optional>

#include "host/application.h"
#include "host/startup.h"
#include "platform/live/system_code_page.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/vxrun/presentation_file.h"
#include "util/codepage.h"
#include "util/presentation_code_page.h"

namespace vx::live {
namespace {

// "سلام" and the Persian yeh, which Persian keyboards type.
const std::string kSalamUtf8 = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85";
const std::string kSalam1256 = "\xD3\xE1\xC7\xE3";
const std::string kCafeUtf8 = "caf\xC3\xA9";  // "café"

TEST(TypedText, PersianTypedOnAPersianLayoutArrivesAsWindows1256Bytes) {
  EXPECT_EQ(TypedTextToPresentationBytes(kSalamUtf8, kArabicCodePage), kSalam1256);
  EXPECT_EQ(TypedTextToPresentationBytes("\xDB\x8C", kArabicCodePage), "\xED");
  EXPECT_EQ(TypedTextToPresentationBytes("Ali", kArabicCodePage), "Ali");
}

TEST(TypedText, AccentedLatinArrivesAsWindows1252Bytes) {
  EXPECT_EQ(TypedTextToPresentationBytes(kCafeUtf8, kWesternCodePage), "caf\xE9");
  // The same letter is another byte in Windows-1256, and Persian has no byte in 1252.
  EXPECT_EQ(TypedTextToPresentationBytes(kCafeUtf8, kArabicCodePage), "caf\xE9");
  EXPECT_EQ(TypedTextToPresentationBytes("\xC3\xBC", kWesternCodePage), "\xFC");     // u umlaut
  EXPECT_EQ(TypedTextToPresentationBytes("\xC3\xBC", kArabicCodePage), "\xFC");      // 1256 keeps it at 0xFC
  EXPECT_EQ(TypedTextToPresentationBytes("\xC3\xB1", kArabicCodePage), "?");         // n tilde: not in 1256
  EXPECT_EQ(TypedTextToPresentationBytes(kSalamUtf8, kWesternCodePage), "????");
}

TEST(TypedText, ACharacterTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(TypedTextToPresentationBytes("\xE2\x82\xAC\xE4\xB8\xAD", kArabicCodePage), "\x80?");  // euro, Han
  EXPECT_EQ(TypedTextToPresentationBytes("\xE2\x82\xAC\xE4\xB8\xAD", kWesternCodePage), "\x80?");
}

TEST(SystemCodePage, TheLanguageOfTheLocaleDecides) {
  EXPECT_EQ(AnsiCodePageOfLocale("fa_IR.UTF-8"), kArabicCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("ar_EG"), kArabicCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("ur"), kArabicCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("ckb_IQ.UTF-8@latin"), kArabicCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("FA_IR"), kArabicCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("en_US.UTF-8"), kWesternCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("C.UTF-8"), kWesternCodePage);
  EXPECT_EQ(AnsiCodePageOfLocale("far_XX"), kWesternCodePage);  // not Persian, only starts like it
  EXPECT_EQ(AnsiCodePageOfLocale(""), kWesternCodePage);
}

TEST(SystemCodePage, LcAllThenLcCtypeThenLang) {
  EXPECT_EQ(LocaleOfEnvironment("fa_IR", "en_US", "de_DE"), "fa_IR");
  EXPECT_EQ(LocaleOfEnvironment("", "en_US", "fa_IR"), "en_US");
  EXPECT_EQ(LocaleOfEnvironment(nullptr, nullptr, "fa_IR"), "fa_IR");
  EXPECT_EQ(LocaleOfEnvironment(nullptr, "", nullptr), "");
}

// The native player's start-up: its command line and the system's code page
// as vxplay sets them, then the runtime's decision, which typed text follows.
class PlayerCodePageTest : public ::testing::Test {
 protected:
  tools::ProjectModel project = test::OnePageProject();

  unsigned Decided(std::optional<unsigned> userChoice, const std::string& locale = "en_US.UTF-8") {
    sim::SimDesktop desktop;
    desktop.codePages.SetSystem(AnsiCodePageOfLocale(locale));
    test::InstallPresentation(desktop, project);
    desktop.process.SetCommandLine(tools::PlayerCommandLine("show.exe", userChoice));
    const std::unique_ptr<Application> app = StartPlayer(desktop.Platform());
    EXPECT_EQ(app->codePage, desktop.codePages.Presentation());
    return desktop.codePages.Presentation();
  }
};

TEST_F(PlayerCodePageTest, APersianPresentationStoresTypedPersianAs1256) {
  project.pages.front().AddEdit("Name").font.charset = kArabicCharset;
  const unsigned page = Decided(std::nullopt);
  EXPECT_EQ(page, kArabicCodePage);
  EXPECT_EQ(TypedTextToPresentationBytes(kSalamUtf8, page), kSalam1256);
}

TEST_F(PlayerCodePageTest, AWesternPresentationStoresTypedLatinAs1252) {
  project.pages.front().AddEdit("Name");
  const unsigned page = Decided(std::nullopt);
  EXPECT_EQ(page, kWesternCodePage);
  EXPECT_EQ(TypedTextToPresentationBytes(kCafeUtf8 + "\xC3\xB1", page), "caf\xE9\xF1");
}

TEST_F(PlayerCodePageTest, TheSwitchOverridesTheContainer) {
  project.pages.front().AddEdit("Name").font.charset = kArabicCharset;
  EXPECT_EQ(Decided(kWesternCodePage), kWesternCodePage);
  project = test::OnePageProject();
  EXPECT_EQ(Decided(kArabicCodePage), kArabicCodePage);
}

TEST_F(PlayerCodePageTest, APersianLocaleDecidesAPresentationWithoutScriptOfItsOwn) {
  EXPECT_EQ(Decided(std::nullopt, "fa_IR.UTF-8"), kArabicCodePage);
  EXPECT_EQ(Decided(std::nullopt, "de_DE.UTF-8"), kWesternCodePage);
  // The user's switch still wins over the locale.
  EXPECT_EQ(Decided(kWesternCodePage, "fa_IR.UTF-8"), kWesternCodePage);
}

TEST(PlayerCommandLine, TheOwnFileAndTheSwitch) {
  EXPECT_EQ(tools::PlayerCommandLine("show.exe", std::nullopt), "\"C:\\Presentation\\show.exe\"");
  EXPECT_EQ(tools::PlayerCommandLine("show.exe", 1256u), "\"C:\\Presentation\\show.exe\" --codepage=1256");
  EXPECT_EQ(CodePageSwitchOf(tools::PlayerCommandLine("my show.exe", 1252u)), 1252u);
  EXPECT_EQ(WithoutCodePageSwitch(tools::PlayerCommandLine("a.exe", 65001u)), "\"C:\\Presentation\\a.exe\"");
}

}  // namespace
}  // namespace vx::live
