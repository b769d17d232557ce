#include <gtest/gtest.h>

#include "util/codepage.h"
#include "util/lines.h"

namespace vx {
namespace {

TEST(Lines, SplitsLikeAStringList) {
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\r\n"), LineList{""});
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (LineList{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (LineList{"a", "", "b"}));
  EXPECT_EQ(SplitLines(std::string("a\0b\r", 4)), LineList{std::string("a\0b", 3)});
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(Codepage, PersianLettersRoundTrip) {
  // "salam" in Windows-1256 and in UTF-8.
  const std::string cp = "\xD3\xE1\xC7\xE3";
  const std::string utf8 = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85";
  EXPECT_EQ(Cp1256ToUtf8(cp), utf8);
  EXPECT_EQ(Utf8ToCp1256(utf8), cp);
  EXPECT_EQ(Cp1256ToUtf8("abc"), "abc");
}

TEST(Codepage, EveryHighByteRoundTrips) {
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1256(Cp1256ToUtf8(one)), one) << b;
  }
}

TEST(Codepage, UnmappableAndBrokenTextBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1256("\xE4\xB8\xAD"), "?");       // a CJK character
  EXPECT_EQ(Utf8ToCp1256("a\xC3"), "a?");               // cut sequence
  EXPECT_EQ(Utf8ToCp1256("\xFF" "b"), "?b");               // no lead byte
  EXPECT_EQ(Utf8ToCp1256("\xF0\x9F\x98\x80"), "?");  // beyond 16 bits
  EXPECT_EQ(Utf8ToCp1256("\xDB\x8C"), "\xED");        // Persian yeh as Arabic yeh
}

}  // namespace
}  // namespace vx
