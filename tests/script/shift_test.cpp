#include "script/shift.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

std::string AllBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s.push_back(static_cast<char>(b));
  return s;
}

TEST(ShiftCodec, AddsAndSubtractsTheKeyModulo256) {
  EXPECT_EQ(ShiftEncode("abc", 1), "bcd");
  EXPECT_EQ(ShiftEncode("\xFF", 1), std::string(1, '\0'));
  EXPECT_EQ(ShiftEncode("bcd", -1), "abc");
  EXPECT_EQ(ShiftDecode("bcd", 1), "abc");
  EXPECT_EQ(ShiftDecode(std::string(1, '\0'), 1), "\xFF");
  EXPECT_EQ(ShiftEncode("\x01", -128), "\x81");
  EXPECT_EQ(ShiftEncode("\x80", 127), "\xFF");
  EXPECT_EQ(ShiftEncode("", 5), "");
}

TEST(ShiftCodec, KeyZeroChangesNothing) {
  EXPECT_EQ(ShiftEncode(AllBytes(), 0), AllBytes());
  EXPECT_EQ(ShiftDecode(AllBytes(), 0), AllBytes());
}

TEST(ShiftCodec, DecodeUndoesEncodeForEveryKeyAndByte) {
  const std::string all = AllBytes();
  for (int key = -128; key <= 127; ++key) {
    const auto k = static_cast<std::int8_t>(key);
    const std::string encoded = ShiftEncode(all, k);
    ASSERT_EQ(encoded.size(), all.size());
    ASSERT_EQ(ShiftDecode(encoded, k), all) << "key " << key;
    ASSERT_EQ(ShiftEncode(ShiftDecode(all, k), k), all) << "key " << key;
    // Every byte moves by the same amount, NUL and high bytes alike.
    for (int b = 0; b < 256; ++b)
      ASSERT_EQ(static_cast<unsigned char>(encoded[static_cast<std::size_t>(b)]), (b + key + 256) % 256);
  }
}

TEST(ShiftKeyTest, StartsAtZeroAndKeepsTheLastValue) {
  ShiftKey key;
  EXPECT_EQ(key.Get(), 0);
  key.Set(-7);
  key.Set(42);
  EXPECT_EQ(key.Get(), 42);
  key.Set(-128);
  EXPECT_EQ(key.Get(), -128);
  EXPECT_EQ(ShiftDecode(ShiftEncode("text", key.Get()), key.Get()), "text");
}

}  // namespace
}  // namespace vx
