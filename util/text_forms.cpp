#include "util/text_forms.h"

#include <algorithm>

#include "util/conversions.h"

namespace vx {

namespace {

// Windows-1256 bytes of the Persian yes and no.
constexpr std::string_view kPersianYes = "\xC8\xE1\xE5";
constexpr std::string_view kPersianNo = "\xCE\xED\xD1";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

struct StyleFlag {
  char letter;  // lower case, as compared
  bool platform::FontSpec::*field;
};
constexpr StyleFlag kStyleFlags[] = {
    {'b', &platform::FontSpec::bold},
    {'i', &platform::FontSpec::italic},
    {'u', &platform::FontSpec::underline},
    {'s', &platform::FontSpec::strikeOut},
};

}  // namespace

std::string BoolToText(bool value, std::string_view language) {
  if (EqualsNoCase(language, "fa")) return std::string(value ? kPersianYes : kPersianNo);
  return value ? "true" : "false";
}

bool TextToBool(std::string_view text) {
  return text == kPersianYes || text == "true" || text == "1";
}

std::string FontToText(const platform::FontSpec& font) {
  std::string text = font.name + "," + std::to_string(font.size) + "," + std::to_string(font.charset);
  bool styled = false;
  for (const StyleFlag& flag : kStyleFlags) {
    if (font.*flag.field) {
      text += ',';
      text += static_cast<char>(flag.letter - 'a' + 'A');
      styled = true;
    }
  }
  if (!styled) text += ",N";
  return text;
}

platform::FontSpec TextToFont(std::string_view text) {
  std::string padded(text);
  if (padded.empty() || padded.back() != ',') padded += ',';
  if (std::count(padded.begin(), padded.end(), ',') <= 2) return platform::FontSpec{};

  // Every field ends with a comma, so each is taken up to the next one.
  std::string_view rest(padded);
  auto nextField = [&rest] {
    const std::size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return field;
  };
  platform::FontSpec font;
  font.name = std::string(nextField());
  font.size = StrToInt(nextField());
  // The charset is a byte; larger numbers keep their low byte.
  font.charset = static_cast<std::uint8_t>(StrToInt(nextField()) & 0xFF);
  while (!rest.empty()) {
    const std::string_view field = nextField();
    if (field.size() != 1) continue;
    for (const StyleFlag& flag : kStyleFlags)
      if (Lower(field[0]) == flag.letter) font.*flag.field = true;
  }
  return font;
}

std::optional<FontDescription> FontFromSpec(std::string_view text) {
  if (std::count(text.begin(), text.end(), ':') != 3) return std::nullopt;
  const std::size_t a = text.find(':');
  const std::size_t b = text.find(':', a + 1);
  const std::size_t c = text.find(':', b + 1);
  FontDescription described;
  described.name = std::string(text.substr(0, a));
  described.charset = static_cast<std::uint8_t>(StrToInt(text.substr(a + 1, b - a - 1)) & 0xFF);
  described.size = StrToInt(text.substr(b + 1, c - b - 1));
  described.color = HexToColor(text.substr(c + 1));
  return described;
}

}  // namespace vx
