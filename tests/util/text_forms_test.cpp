#include "util/text_forms.h"

#include <gtest/gtest.h>

#include "util/error.h"

namespace vx {
namespace {

constexpr const char* kYes = "\xC8\xE1\xE5";
constexpr const char* kNo = "\xCE\xED\xD1";

TEST(BoolText, LanguageChoosesWords) {
  EXPECT_EQ(BoolToText(true, ""), "true");
  EXPECT_EQ(BoolToText(false, "en"), "false");
  EXPECT_EQ(BoolToText(true, "FA"), kYes);
  EXPECT_EQ(BoolToText(false, "fa"), kNo);
  EXPECT_EQ(BoolToText(true, "fa "), "true");
}

TEST(BoolText, ReadingIsExact) {
  EXPECT_TRUE(TextToBool(kYes));
  EXPECT_TRUE(TextToBool("true"));
  EXPECT_TRUE(TextToBool("1"));
  EXPECT_FALSE(TextToBool("True"));
  EXPECT_FALSE(TextToBool(kNo));
  EXPECT_FALSE(TextToBool(" 1"));
  EXPECT_FALSE(TextToBool(""));
}

TEST(BoolText, RoundTripsInBothLanguages) {
  for (const char* language : {"en", "fa"})
    for (bool value : {false, true}) EXPECT_EQ(TextToBool(BoolToText(value, language)), value);
}

TEST(FontText, WritesStylesInOrderOrN) {
  platform::FontSpec font;
  font.name = "Tahoma";
  font.size = 10;
  font.charset = 178;
  EXPECT_EQ(FontToText(font), "Tahoma,10,178,N");
  font.underline = true;
  font.bold = true;
  EXPECT_EQ(FontToText(font), "Tahoma,10,178,B,U");
  font.italic = true;
  font.strikeOut = true;
  EXPECT_EQ(FontToText(font), "Tahoma,10,178,B,I,U,S");
}

TEST(FontText, TwoCommasGiveTheDefaultFont) {
  EXPECT_EQ(TextToFont("Tahoma,10"), platform::FontSpec{});
  EXPECT_EQ(TextToFont("Tahoma,10,"), platform::FontSpec{});
  EXPECT_EQ(TextToFont(""), platform::FontSpec{});
  // Not read at all, so no conversion error either.
  EXPECT_EQ(TextToFont("Tahoma,x"), platform::FontSpec{});
}

TEST(FontText, ReadsFieldsAndStyleLetters) {
  const platform::FontSpec font = TextToFont("Tahoma,10,178,B,U");
  EXPECT_EQ(font.name, "Tahoma");
  EXPECT_EQ(font.size, 10);
  EXPECT_EQ(font.charset, 178);
  EXPECT_TRUE(font.bold);
  EXPECT_FALSE(font.italic);
  EXPECT_TRUE(font.underline);
  EXPECT_FALSE(font.strikeOut);

  const platform::FontSpec lower = TextToFont("Arial,12,0,i,s,n,x,bb,");
  EXPECT_FALSE(lower.bold);
  EXPECT_TRUE(lower.italic);
  EXPECT_FALSE(lower.underline);
  EXPECT_TRUE(lower.strikeOut);

  const platform::FontSpec plain = TextToFont("Arial,12,1");
  EXPECT_EQ(plain.name, "Arial");
  EXPECT_FALSE(plain.bold || plain.italic || plain.underline || plain.strikeOut);
}

TEST(FontText, RoundTrips) {
  platform::FontSpec font;
  font.name = "\xD4\xE3\xD3";  // a Persian face name in Windows-1256
  font.size = 14;
  font.charset = 178;
  font.italic = true;
  EXPECT_EQ(TextToFont(FontToText(font)), font);
  EXPECT_EQ(TextToFont(FontToText(platform::FontSpec{})), platform::FontSpec{});
}

TEST(FontText, NumbersGoThroughTheIntegerConversion) {
  EXPECT_THROW(TextToFont("Tahoma,big,178"), ConvertError);
  EXPECT_THROW(TextToFont("Tahoma,10,,B"), ConvertError);
  EXPECT_EQ(TextToFont("Tahoma, 9,178").size, 9);
  EXPECT_EQ(TextToFont("Tahoma,9,434").charset, 178);
}

}  // namespace
}  // namespace vx
