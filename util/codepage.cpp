#include "util/codepage.h"

#include <array>
#include <cstdint>

namespace vx {

namespace {

constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0679, 0x2039, 0x0152, 0x0686, 0x0698, 0x0688,  // 88
    0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA,  // 98
    0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F,  // B8
    0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,  // C0
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F,  // C8
    0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7,  // D0
    0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,  // D8
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF,  // E8
    0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,  // F0
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,  // F8
};

// Windows-1252; its five unassigned bytes read as the C1 controls, as
// Windows maps them.
constexpr std::array<char16_t, 32> kWesternC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char32_t FromCp1252(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kWesternC1[b - 0x80];
  return b;
}

struct BestFit {
  char32_t from;
  unsigned char to;
};
constexpr std::array<BestFit, 1> kBestFit = {{{0x06CC, 0xED}}};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c > 0xFFFF) {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point at p, or U+FFFD for a broken sequence; p moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& p) {
  const auto lead = static_cast<unsigned char>(text[p++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < extra; ++i) {
    if (p >= text.size() || (static_cast<unsigned char>(text[p]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[p++]) & 0x3F);
  }
  return c;
}

char ToCp1256(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] == c) return static_cast<char>(0x80 + i);
  for (const auto& fit : kBestFit)
    if (fit.from == c) return static_cast<char>(fit.to);
  return '?';
}

char ToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kWesternC1.size(); ++i)
    if (kWesternC1[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

bool CanConvertCodePage(unsigned codePage) {
  return codePage == kArabicCodePage || codePage == kWesternCodePage || codePage == kUtf8CodePage;
}

std::string CodePageToUtf8(std::string_view bytes, unsigned codePage) {
  if (codePage == kUtf8CodePage) return std::string(bytes);
  if (codePage == kArabicCodePage) return Cp1256ToUtf8(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) AppendUtf8(out, FromCp1252(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToCodePage(std::string_view text, unsigned codePage) {
  if (codePage == kUtf8CodePage) return std::string(text);
  if (codePage == kArabicCodePage) return Utf8ToCp1256(text);
  std::string out;
  out.reserve(text.size());
  std::size_t p = 0;
  while (p < text.size()) out += ToCp1252(NextCodePoint(text, p));
  return out;
}

std::string Cp1256ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kHighHalf[b - 0x80]});
  }
  return out;
}

std::string Utf8ToCp1256(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t p = 0;
  while (p < text.size()) out += ToCp1256(NextCodePoint(text, p));
  return out;
}

}  // namespace vx
