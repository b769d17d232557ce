#include "util/presentation_code_page.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace vx {
namespace {

TEST(PresentationCodePageRuleTest, ChoiceEvidenceAndSystemInThatOrder) {
  const CodePageEvidence none;
  const CodePageEvidence arabicFont{true, false};
  const CodePageEvidence rightToLeft{false, true};
  EXPECT_EQ(ChoosePresentationCodePage(none, std::nullopt, 1252), 1252u);
  EXPECT_EQ(ChoosePresentationCodePage(none, std::nullopt, 1251), 1251u);
  EXPECT_EQ(ChoosePresentationCodePage(arabicFont, std::nullopt, 1252), 1256u);
  EXPECT_EQ(ChoosePresentationCodePage(rightToLeft, std::nullopt, 1252), 1256u);
  EXPECT_EQ(ChoosePresentationCodePage(arabicFont, 1252u, 1256), 1252u);
  EXPECT_EQ(ChoosePresentationCodePage(none, 65001u, 1252), 65001u);
}

TEST(CodePageSwitchTest, AWholeParameterAfterTheProgram) {
  EXPECT_EQ(CodePageSwitchOf("demo.exe --codepage=1256"), 1256u);
  EXPECT_EQ(CodePageSwitchOf("\"C:\\My Shows\\demo.exe\"\t--codepage=1252 file.txt"), 1252u);
  EXPECT_EQ(CodePageSwitchOf("demo.exe"), std::nullopt);
  // The program's own name is never the switch, nor is a quoted parameter.
  EXPECT_EQ(CodePageSwitchOf("--codepage=1256 other"), std::nullopt);
  EXPECT_EQ(CodePageSwitchOf("demo.exe \"--codepage=1256\""), std::nullopt);
  EXPECT_EQ(CodePageSwitchOf("demo.exe x--codepage=1256"), std::nullopt);
}

TEST(CodePageSwitchTest, TheLastOneDecidesAndOnlyANumberChooses) {
  EXPECT_EQ(CodePageSwitchOf("demo.exe --codepage=1256 --codepage=1252"), 1252u);
  for (const char* bad : {"--codepage=", "--codepage=abc", "--codepage=0", "--codepage=65536",
                          "--codepage=125x", "--codepage=-1", "--codepage=1234567"})
    EXPECT_EQ(CodePageSwitchOf(std::string("demo.exe ") + bad), std::nullopt) << bad;
  EXPECT_EQ(CodePageSwitchOf("demo.exe --codepage=65535"), 65535u);
}

TEST(CodePageSwitchTest, TakenOutOfWhatScriptsSee) {
  EXPECT_EQ(WithoutCodePageSwitch("demo.exe --codepage=1256"), "demo.exe");
  EXPECT_EQ(WithoutCodePageSwitch("demo.exe one  --codepage=1256 \"two words\""), "demo.exe one \"two words\"");
  EXPECT_EQ(WithoutCodePageSwitch("demo.exe --codepage=x --codepage=1252 a"), "demo.exe a");
  // Anything that is not the whole parameter stays.
  EXPECT_EQ(WithoutCodePageSwitch("demo.exe \"--codepage=1256\" a--codepage=1"),
            "demo.exe \"--codepage=1256\" a--codepage=1");
  EXPECT_EQ(WithoutCodePageSwitch("--codepage=1256 x"), "--codepage=1256 x");
  EXPECT_EQ(WithoutCodePageSwitch(""), "");
}

TEST(CodePageConversionTest, EverySingleByteCodePageRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (unsigned cp : {kWesternCodePage, kArabicCodePage}) {
    const std::string utf8 = CodePageToUtf8(all, cp);
    EXPECT_NE(utf8, all);
    EXPECT_EQ(Utf8ToCodePage(utf8, cp), all) << cp;
  }
  EXPECT_EQ(CodePageToUtf8("\x80\x9F\xE9", kWesternCodePage), "\xE2\x82\xAC\xC5\xB8\xC3\xA9");
  EXPECT_EQ(Utf8ToCodePage("\xD9\x88", kWesternCodePage), "?");  // waw has no Western byte
  EXPECT_EQ(Utf8ToCodePage("\xD9\x88", kArabicCodePage), "\xE6");
  EXPECT_EQ(CodePageToUtf8("\xF0\x9F\x98\x80", kUtf8CodePage), "\xF0\x9F\x98\x80");
  EXPECT_TRUE(CanConvertCodePage(kUtf8CodePage));
  EXPECT_FALSE(CanConvertCodePage(932));
}

}  // namespace
}  // namespace vx
