#pragma once
// Windows-1256, the code page of Persian presentations, to and from UTF-8.

#include <string>
#include <string_view>

namespace vx {

// Bytes 0x00-0x7F are ASCII; every byte 0x80-0xFF has a character.
std::string Cp1256ToUtf8(std::string_view bytes);

// A character without a Windows-1256 byte, or a broken UTF-8 sequence,
// becomes '?'. The Persian yeh (U+06CC), which Persian keyboards type, takes
// the Arabic yeh's byte as Windows itself does.
std::string Utf8ToCp1256(std::string_view text);

}  // namespace vx
