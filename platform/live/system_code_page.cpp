#include "platform/live/system_code_page.h"

#include <algorithm>
#include <array>
#include <string>

#include "util/codepage.h"

namespace vx::live {

namespace {

struct LanguageCodePage {
  std::string_view language;
  unsigned codePage;
};

// Windows' ANSI code page per language, for the languages whose code page
// is not the Western one and that the runtime can convert.
constexpr std::array kLanguages{
    LanguageCodePage{"ar", kArabicCodePage},   // Arabic
    LanguageCodePage{"fa", kArabicCodePage},   // Persian
    LanguageCodePage{"ur", kArabicCodePage},   // Urdu
    LanguageCodePage{"ps", kArabicCodePage},   // Pashto
    LanguageCodePage{"ckb", kArabicCodePage},  // Central Kurdish
    LanguageCodePage{"ug", kArabicCodePage},   // Uyghur
};

}  // namespace

unsigned AnsiCodePageOfLocale(std::string_view locale) {
  const std::size_t end = locale.find_first_of("_.@");
  std::string language(locale.substr(0, end));
  std::transform(language.begin(), language.end(), language.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  for (const LanguageCodePage& entry : kLanguages)
    if (entry.language == language) return entry.codePage;
  return kWesternCodePage;
}

std::string_view LocaleOfEnvironment(const char* lcAll, const char* lcCtype, const char* lang) {
  for (const char* value : {lcAll, lcCtype, lang})
    if (value != nullptr && *value != '\0') return value;
  return {};
}

std::string LanguageTagOfLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  std::string tag;
  std::size_t partLength = 0;
  for (const char c : name) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (c == '_' || c == '-') {
      if (partLength == 0) return "en-US";
      tag += '-';
      partLength = 0;
    } else if (letter || digit) {
      tag += c;
      if (++partLength > 8) return "en-US";
    } else {
      return "en-US";
    }
  }
  const std::size_t first = tag.find('-');
  const std::size_t language = first == std::string::npos ? tag.size() : first;
  if (partLength == 0 || language < 2 || language > 3 || tag == "C" || tag == "POSIX") return "en-US";
  for (std::size_t i = 0; i < language; ++i)
    if (!((tag[i] >= 'a' && tag[i] <= 'z') || (tag[i] >= 'A' && tag[i] <= 'Z'))) return "en-US";
  return tag;
}

}  // namespace vx::live
