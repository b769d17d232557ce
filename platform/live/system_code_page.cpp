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

}  // namespace vx::live
