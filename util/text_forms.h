#pragma once
// The boolean and font text forms scripts use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fonts.h"
#include "platform/types.h"

namespace vx {

// "true"/"false"; the Persian yes/no (Windows-1256) when language is "fa" in
// any case.
std::string BoolToText(bool value, std::string_view language);
// Exact comparison: the Persian yes, "true" or "1".
bool TextToBool(std::string_view text);

// name,size,charset then ",B" ",I" ",U" ",S", or ",N" without style.
std::string FontToText(const platform::FontSpec& font);
// Two commas or fewer (after a closing one is added) give the default font; a
// size or charset that is not a number throws NotAnInteger.
platform::FontSpec TextToFont(std::string_view text);

// A font description of the font dialog command: name:charset:size:RRGGBB.
struct FontDescription {
  std::string name;
  std::uint8_t charset = 1;
  int size = 8;
  platform::Color color = 0;
};
// Nothing unless the text holds exactly three ":"; a charset or size that is
// not a number throws NotAnInteger (the charset keeps its low byte).
std::optional<FontDescription> FontFromSpec(std::string_view text);

}  // namespace vx
