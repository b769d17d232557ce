#pragma once
// Numbers as the evaluators write and read them: the general format with 15
// significant digits and "." as the decimal separator on every system.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// 2.5, 14, -0.5, 1E20, 1E-5: fixed notation from 0.0001 up to 15 digits
// before the point, scientific otherwise; no trailing zeros, no "+" in the
// exponent.
std::string NumberToText(long double value);

// Whole and below 10^15 in size: printed as the integer's own digits, so
// two such numbers print alike exactly when they are equal (both zeros
// print "0").
bool PrintsAsWholeDigits(long double value);

// Blanks around, optional sign, digits with an optional "." part, optional
// exponent. Nothing for any other text or a value beyond the extended range.
std::optional<long double> TextToNumber(std::string_view text);

namespace detail {
// The general conversions, without the fast paths for whole numbers that
// the two above take first; kept callable so tests can hold the fast paths
// to the same digits.
std::string NumberToTextGeneral(long double value);
std::optional<long double> TextToNumberGeneral(std::string_view text);
}  // namespace detail

// To the nearest integer, halves to the even neighbour. Throws
// vx::ConvertError when the value has no 64-bit integer.
std::int64_t RoundHalfEven(long double value);

}  // namespace vx
