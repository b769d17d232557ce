// The whole-number shortcuts of the number conversions must give exactly
// what the general conversions give: the same digits, the same value.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "values/number_text.h"

namespace vx {
namespace {

void ExpectSameText(long double value) {
  ASSERT_EQ(NumberToText(value), detail::NumberToTextGeneral(value)) << "value " << static_cast<double>(value);
}

void ExpectSameValue(const std::string& text) {
  const auto fast = TextToNumber(text);
  const auto general = detail::TextToNumberGeneral(text);
  ASSERT_EQ(fast.has_value(), general.has_value()) << '"' << text << '"';
  if (!fast) return;
  ASSERT_EQ(*fast, *general) << '"' << text << '"';
  ASSERT_EQ(std::signbit(*fast), std::signbit(*general)) << '"' << text << '"';
}

TEST(NumberFastPaths, WholeNumbersPrintAsTheGeneralFormatDoes) {
  std::mt19937_64 random(20261209);
  // Around the edge of fixed notation, and the values every counter passes.
  for (long double edge : {1e15L, 1e15L - 1, 1e15L + 1, 999999999999999.5L, 1e14L, 1e16L, 9007199254740993.0L})
    for (long double sign : {1.0L, -1.0L}) ExpectSameText(sign * edge);
  for (int i = -100000; i <= 100000; ++i) ExpectSameText(i);
  for (int i = 0; i < 1000000; ++i) {
    const int digits = static_cast<int>(random() % 17) + 1;  // up to 10^17, past the shortcut's limit
    const auto magnitude = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(std::pow(10.0L, digits)));
    ExpectSameText(static_cast<long double>(i % 2 ? -magnitude : magnitude));
  }
  // Close to whole, as sums of fractions leave them: never taken for whole.
  for (int i = 0; i < 500000; ++i) {
    const long double whole = static_cast<long double>(static_cast<std::int64_t>(random() % 2000000) - 1000000);
    const long double nudge = std::ldexp(1.0L, -static_cast<int>(random() % 60) - 1);
    ExpectSameText(whole + nudge);
    ExpectSameText(whole - nudge);
    ExpectSameText(whole + 0.1L * static_cast<long double>(random() % 10));
  }
}

TEST(NumberFastPaths, DigitTextsReadAsTheGeneralParseReadsThem) {
  std::mt19937_64 random(1403);
  for (const char* text : {"0", "-0", "+0", "007", "-007", "+12", "-", "+", "", " 5 ", "1 2", "12a", "1.", ".5",
                           "999999999999999999", "-999999999999999999", "9999999999999999999",
                           "18446744073709551616", "1e3", "0x10"})
    ExpectSameValue(text);
  for (int i = 0; i < 1000000; ++i) {
    std::string text;
    switch (random() % 3) {
      case 0: text = "-"; break;
      case 1: text = "+"; break;
      default: break;
    }
    const int digits = static_cast<int>(random() % 20) + 1;  // past the shortcut's 18 digits
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
    ExpectSameValue(text);
  }
}

TEST(NumberFastPaths, NumbersThatPrintAsDigitsPrintAlikeExactlyWhenEqual) {
  std::mt19937_64 random(2419);
  const std::vector<long double> edges{0.0L, -0.0L, 1e15L, -1e15L, 1e15L - 1, 1 - 1e15L, 999999999999999.5L, 0.5L};
  const auto pick = [&]() -> long double {
    switch (random() % 4) {
      case 0: return edges[random() % edges.size()];
      case 1: return static_cast<long double>(static_cast<std::int64_t>(random() % 41) - 20);
      case 2: return static_cast<long double>(static_cast<std::int64_t>(random() % 41) - 20) +
                     std::ldexp(1.0L, -static_cast<int>(random() % 64) - 1);
      default: return static_cast<long double>(static_cast<std::int64_t>(random() % 2000000000000000ULL) - 999999999999999LL);
    }
  };
  int compared = 0;
  for (int i = 0; i < 1000000; ++i) {
    const long double a = pick();
    const long double b = pick();
    if (!PrintsAsWholeDigits(a) || !PrintsAsWholeDigits(b)) continue;
    ++compared;
    ASSERT_EQ(a == b, NumberToText(a) == NumberToText(b)) << static_cast<double>(a) << " " << static_cast<double>(b);
  }
  EXPECT_GT(compared, 300000);
  // Off the shortcut a number may still print as digits: a hair below 3 prints "3".
  EXPECT_FALSE(PrintsAsWholeDigits(2.9999999999999999L));
  EXPECT_EQ(NumberToText(2.9999999999999999L), "3");
}

}  // namespace
}  // namespace vx
