#pragma once
// Windows-1256, the code page of Persian presentations, to and from UTF-8;
// and the few code pages the simulated desktop and the tools convert.

#include <string>
#include <string_view>

namespace vx {

inline constexpr unsigned kWesternCodePage = 1252;
inline constexpr unsigned kArabicCodePage = 1256;
inline constexpr unsigned kUtf8CodePage = 65001;

// Windows-1252, Windows-1256 and UTF-8: the code pages converted here (the
// two conversions read any other as Windows-1252).
bool CanConvertCodePage(unsigned codePage);
std::string CodePageToUtf8(std::string_view bytes, unsigned codePage);
// A character the code page lacks becomes '?'.
std::string Utf8ToCodePage(std::string_view text, unsigned codePage);

// Bytes 0x00-0x7F are ASCII; every byte 0x80-0xFF has a character.
std::string Cp1256ToUtf8(std::string_view bytes);

// A character without a Windows-1256 byte, or a broken UTF-8 sequence,
// becomes '?'. The Persian yeh (U+06CC), which Persian keyboards type, takes
// the Arabic yeh's byte as Windows itself does.
std::string Utf8ToCp1256(std::string_view text);

}  // namespace vx
