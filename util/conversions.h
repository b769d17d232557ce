#pragma once
// Number and colour conversions between script text and values. Arithmetic is
// 32-bit and wraps, as the stored projects expect.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace vx {

// Right to left, one 4-bit position per character, digit or not; "1"-"9" and
// "A"-"F" (any case) add their value there, anything else adds nothing.
int HexToInt(std::string_view text);
// Right to left; each "1" adds 2 to the power of its position.
int BinToInt(std::string_view text);
// Right to left, one 3-bit position per character; "0"-"7" add their value.
int OctToInt(std::string_view text);

// Digits of the magnitude, "-" in front of a negative value, "0" for 0.
std::string IntToBin(std::int32_t value);
std::string IntToOct(std::int32_t value);
// Upper-case digits of the value read as unsigned 32 bits, no leading zeros.
std::string IntToHexText(std::int32_t value);

// Colour text: "RRGGBB", upper case.
std::string ColorToHex(platform::Color color);
platform::Color HexToColor(std::string_view text);
// Three raw bytes R, G, B; missing bytes count as 0.
platform::Color BytesToColor(std::string_view text);

// Decimal text with "0" prepended until it is at least width long.
std::string ZeroPad(std::int64_t value, int width);

bool IsEven(std::int64_t n);
bool IsPositive(std::int64_t n);

// Optional leading blanks, optional sign, decimal digits, 32 bits; anything
// else throws NotAnInteger.
std::int32_t StrToInt(std::string_view text);

}  // namespace vx
