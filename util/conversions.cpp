#include "util/conversions.h"

#include <array>
#include <limits>

#include "util/error.h"

namespace vx {

namespace {

// Value of a digit in the given base, or -1. Letters count in either case.
int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'A' && c <= 'Z') v = c - 'A' + 10;
  else if (c >= 'a' && c <= 'z') v = c - 'a' + 10;
  return v < base ? v : -1;
}

// Reads right to left, bitsPerDigit per character; higher positions fall off
// the 32-bit result the way wrapped arithmetic drops them.
int ReadDigits(std::string_view text, int base, int bitsPerDigit) {
  std::uint32_t sum = 0;
  unsigned shift = 0;
  for (auto it = text.rbegin(); it != text.rend() && shift < 32; ++it, shift += bitsPerDigit) {
    int v = DigitValue(*it, base);
    if (v > 0) sum += static_cast<std::uint32_t>(v) << shift;
  }
  return static_cast<int>(sum);
}

std::string UnsignedDigits(std::uint32_t magnitude, unsigned bitsPerDigit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const std::uint32_t mask = (1u << bitsPerDigit) - 1;
  std::array<char, 32> buf{};
  std::size_t n = buf.size();
  do {
    buf[--n] = kDigits[magnitude & mask];
    magnitude >>= bitsPerDigit;
  } while (magnitude != 0);
  return std::string(buf.data() + n, buf.size() - n);
}

std::string SignedDigits(std::int32_t value, unsigned bitsPerDigit) {
  // Negating in unsigned arithmetic gives 2^31 for the smallest value.
  const std::uint32_t bits = static_cast<std::uint32_t>(value);
  const std::uint32_t magnitude = value < 0 ? 0u - bits : bits;
  std::string digits = UnsignedDigits(magnitude, bitsPerDigit);
  return value < 0 ? "-" + digits : digits;
}

std::string TwoHexDigits(unsigned v) {
  std::string s = UnsignedDigits(v & 0xFF, 4);
  return s.size() < 2 ? "0" + s : s;
}

}  // namespace

int HexToInt(std::string_view text) { return ReadDigits(text, 16, 4); }
int BinToInt(std::string_view text) { return ReadDigits(text, 2, 1); }
int OctToInt(std::string_view text) { return ReadDigits(text, 8, 3); }

std::string IntToBin(std::int32_t value) { return SignedDigits(value, 1); }
std::string IntToOct(std::int32_t value) { return SignedDigits(value, 3); }

std::string IntToHexText(std::int32_t value) {
  return UnsignedDigits(static_cast<std::uint32_t>(value), 4);
}

std::string ColorToHex(platform::Color color) {
  return TwoHexDigits(platform::RedOf(color)) + TwoHexDigits(platform::GreenOf(color)) +
         TwoHexDigits(platform::BlueOf(color));
}

platform::Color HexToColor(std::string_view text) {
  auto part = [text](std::size_t from) {
    return from < text.size() ? HexToInt(text.substr(from, 2)) : 0;
  };
  return platform::MakeColor(static_cast<std::uint8_t>(part(0)), static_cast<std::uint8_t>(part(2)),
                             static_cast<std::uint8_t>(part(4)));
}

platform::Color BytesToColor(std::string_view text) {
  auto byte = [text](std::size_t i) {
    return i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
  };
  return platform::MakeColor(byte(0), byte(1), byte(2));
}

std::string ZeroPad(std::int64_t value, int width) {
  std::string s = std::to_string(value);
  if (width > 0 && s.size() < static_cast<std::size_t>(width))
    s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  return s;
}

bool IsEven(std::int64_t n) { return n % 2 == 0; }
bool IsPositive(std::int64_t n) { return n > 0; }

std::int32_t StrToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw NotAnInteger(std::string(text));
  // Accumulate the magnitude; the negative range is one larger.
  const std::uint64_t limit =
      negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<std::int32_t>::max()};
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw NotAnInteger(std::string(text));
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > limit) throw NotAnInteger(std::string(text));
  }
  const std::int64_t v = negative ? -static_cast<std::int64_t>(magnitude)
                                  : static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(v);
}

}  // namespace vx
