#include "util/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "util/error.h"

namespace vx {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct ReadCase {
  int (*read)(std::string_view);
  const char* text;
  int expected;
};

class DigitReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DigitReading, ReadsRightToLeft) {
  EXPECT_EQ(GetParam().read(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DigitReading,
    ::testing::Values(ReadCase{HexToInt, "1F", 31}, ReadCase{HexToInt, "ff", 255},
                      // A non-digit still takes its 4-bit position.
                      ReadCase{HexToInt, "G1", 1}, ReadCase{HexToInt, "1G", 16},
                      ReadCase{HexToInt, "", 0}, ReadCase{HexToInt, "7FFFFFFF", kMax},
                      ReadCase{HexToInt, "FFFFFFFF", -1}, ReadCase{HexToInt, "80000000", kMin},
                      // Positions past 32 bits fall off.
                      ReadCase{HexToInt, "1FFFFFFFF", -1}, ReadCase{BinToInt, "101", 5},
                      ReadCase{BinToInt, "1x1", 5}, ReadCase{BinToInt, "2", 0},
                      ReadCase{BinToInt, "10000000000000000000000000000000", kMin},
                      ReadCase{BinToInt, "100000000000000000000000000000001", 1},
                      ReadCase{OctToInt, "10", 8}, ReadCase{OctToInt, "777", 511},
                      ReadCase{OctToInt, "8", 0}, ReadCase{OctToInt, "98", 0},
                      ReadCase{OctToInt, "17777777777", kMax},
                      ReadCase{OctToInt, "37777777777", -1}));

struct WriteCase {
  std::int32_t value;
  const char* bin;
  const char* oct;
  const char* hex;
};

class DigitWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(DigitWriting, WritesMagnitudeAndSign) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(IntToBin(c.value), c.bin);
  EXPECT_EQ(IntToOct(c.value), c.oct);
  EXPECT_EQ(IntToHexText(c.value), c.hex);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DigitWriting,
    ::testing::Values(WriteCase{0, "0", "0", "0"}, WriteCase{1, "1", "1", "1"},
                      WriteCase{-5, "-101", "-5", "FFFFFFFB"}, WriteCase{8, "1000", "10", "8"},
                      WriteCase{255, "11111111", "377", "FF"},
                      WriteCase{kMax, "1111111111111111111111111111111", "17777777777", "7FFFFFFF"},
                      WriteCase{kMin, "-10000000000000000000000000000000", "-20000000000",
                                "80000000"},
                      WriteCase{-1, "-1", "-1", "FFFFFFFF"}));

TEST(ColourText, HexFormPadsEachComponent) {
  EXPECT_EQ(ColorToHex(platform::MakeColor(255, 0, 0)), "FF0000");
  EXPECT_EQ(ColorToHex(platform::MakeColor(1, 0x0A, 0xBC)), "010ABC");
  EXPECT_EQ(ColorToHex(0xFF000000u), "000000");
}

TEST(ColourText, HexTextReadsPairsInOrder) {
  EXPECT_EQ(HexToColor("FF0000"), platform::MakeColor(255, 0, 0));
  EXPECT_EQ(HexToColor("010abc"), platform::MakeColor(1, 0x0A, 0xBC));
  EXPECT_EQ(HexToColor("FF8"), platform::MakeColor(255, 8, 0));
  EXPECT_EQ(HexToColor(""), 0u);
  EXPECT_EQ(HexToColor("123456FF"), platform::MakeColor(0x12, 0x34, 0x56));
}

TEST(ColourText, RoundTripThroughHex) {
  for (platform::Color c : {0x000000u, 0xFFFFFFu, 0x123456u, 0x00FF00u})
    EXPECT_EQ(HexToColor(ColorToHex(c)), c);
}

TEST(ColourText, BytesAreRedGreenBlue) {
  EXPECT_EQ(BytesToColor("\x01\x02\x03"), platform::MakeColor(1, 2, 3));
  EXPECT_EQ(BytesToColor("\xFF\x80\x00xyz"), platform::MakeColor(255, 128, 0));
  EXPECT_EQ(BytesToColor("\x05"), platform::MakeColor(5, 0, 0));
  EXPECT_EQ(BytesToColor(""), 0u);
}

TEST(ZeroPadTest, PrependsUntilWide) {
  EXPECT_EQ(ZeroPad(5, 2), "05");
  EXPECT_EQ(ZeroPad(123, 2), "123");
  EXPECT_EQ(ZeroPad(0, 0), "0");
  EXPECT_EQ(ZeroPad(7, -3), "7");
  EXPECT_EQ(ZeroPad(-5, 3), "0-5");
}

TEST(IsEvenIsPositive, EvenAndPositive) {
  EXPECT_TRUE(IsEven(0));
  EXPECT_TRUE(IsEven(-4));
  EXPECT_FALSE(IsEven(-3));
  EXPECT_FALSE(IsEven(7));
  EXPECT_FALSE(IsPositive(0));
  EXPECT_TRUE(IsPositive(1));
  EXPECT_FALSE(IsPositive(std::numeric_limits<std::int64_t>::min()));
}

TEST(StrToInt, AcceptsBlanksSignAndDigits) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+8"), 8);
  EXPECT_EQ(StrToInt("2147483647"), kMax);
  EXPECT_EQ(StrToInt("-2147483648"), kMin);
  EXPECT_EQ(StrToInt("0007"), 7);
}

class StrToIntRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StrToIntRejects, WithTheIntegerMessage) {
  const std::string text = GetParam();
  try {
    StrToInt(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const ConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntRejects,
                         ::testing::Values("", " ", "-", "+", "12a", "1 ", "2147483648",
                                           "-2147483649", "99999999999999999999", "1.5", "- 1"));

}  // namespace
}  // namespace vx
