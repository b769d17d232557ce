#include "values/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "util/error.h"

namespace vx {

namespace {

constexpr int kPrecision = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whole numbers below 10^15 print all their digits in fixed notation, so
// the integer's own digits are the answer; counters and coordinates take
// this path, which skips the long-double printf.
std::optional<std::string> WholeNumberText(long double value) {
  if (!PrintsAsWholeDigits(value)) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(value);
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, whole);
  return std::string(buffer, static_cast<std::size_t>(end - buffer));
}

// Sign and up to 18 digits: exact as an integer, so no general parse.
std::optional<long double> WholeNumberValue(std::string_view text) {
  std::size_t i = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
  const std::size_t digits = text.size() - i;
  if (digits == 0 || digits > 18) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (!IsDigit(text[k])) return std::nullopt;
    value = value * 10 + (text[k] - '0');
  }
  const auto magnitude = static_cast<long double>(value);
  // "-0" stays the negative zero the general parse gives.
  return text[0] == '-' ? -magnitude : magnitude;
}

}  // namespace

bool PrintsAsWholeDigits(long double value) {
  constexpr long double kLimit = 1e15L;
  return value > -kLimit && value < kLimit && static_cast<long double>(static_cast<std::int64_t>(value)) == value;
}

std::string NumberToText(long double value) {
  if (auto whole = WholeNumberText(value); whole && value != 0) return *std::move(whole);
  return detail::NumberToTextGeneral(value);
}

std::optional<long double> TextToNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (auto whole = WholeNumberValue(text)) return whole;
  return detail::TextToNumberGeneral(text);
}

namespace detail {

std::string NumberToTextGeneral(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  // d.dddddddddddddde[+-]x: the 15 significant digits and the exponent of
  // the first one, independent of the C locale.
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::scientific, kPrecision - 1);
  if (ec != std::errc()) return "0";
  std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
  const bool negative = sci.front() == '-';
  if (negative) sci.remove_prefix(1);
  const std::size_t e = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, e))
    if (IsDigit(c)) digits += c;
  int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  // The position of the point after the first digit counts as exponent + 1;
  // fixed notation while that lies within -4 ... 15 (0.00001 is still fixed).
  const int point = exponent + 1;
  std::string out = negative ? "-" : "";
  if (point > kPrecision || point < -4) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  } else if (point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else if (static_cast<std::size_t>(point) >= digits.size()) {
    out += digits;
    out.append(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<std::size_t>(point));
    out += '.';
    out += digits.substr(static_cast<std::size_t>(point));
  }
  return out;
}

std::optional<long double> TextToNumberGeneral(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t expStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == expStart) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  // from_chars wants no "+" and a digit before a leading point.
  std::string clean;
  if (text[start] == '.') clean = "0";
  clean.append(text.substr(start));
  if (const auto ePos = clean.find_first_of("eE");
      ePos != std::string::npos && ePos + 1 < clean.size() && clean[ePos + 1] == '+')
    clean.erase(ePos + 1, 1);
  long double value = 0;
  auto [ptr, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // An underflow reads as zero, as the platform's conversion does.
    if (std::strtold(clean.c_str(), nullptr) == 0) return negative ? -0.0L : 0.0L;
    return std::nullopt;
  }
  if (ec != std::errc() || ptr != clean.data() + clean.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace detail

std::int64_t RoundHalfEven(long double value) {
  if (!std::isfinite(value) || value >= 9223372036854775808.0L ||
      value < -9223372036854775808.0L)
    throw ConvertError("Invalid floating point operation");
  long double whole = std::floor(value);
  const long double fraction = value - whole;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) whole += 1;
  if (whole >= 9223372036854775808.0L) throw ConvertError("Invalid floating point operation");
  return static_cast<std::int64_t>(whole);
}

}  // namespace vx
