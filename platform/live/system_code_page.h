#pragma once
// The simulated system's ANSI code page on a Linux desktop: the one Windows
// would use for the person's language. It decides the code page of a
// presentation that shows no script of its own (docs/code-page.md).

#include <string>
#include <string_view>

namespace vx::live {

// locale: the first set of LC_ALL, LC_CTYPE and LANG ("fa_IR.UTF-8"); null
// or empty for none. Arabic-script languages give Windows-1256, every other
// one Windows-1252 (the only other code page the runtime converts).
unsigned AnsiCodePageOfLocale(std::string_view locale);

// The locale the environment names, in that order of precedence.
std::string_view LocaleOfEnvironment(const char* lcAll, const char* lcCtype, const char* lang);

// The language tag web pages are told for a locale ("fa_IR.UTF-8" gives
// "fa-IR"); the C and POSIX locales, an empty one and anything that is no
// tag give "en-US": pages (and the Flash player's own code) fail on a
// language they cannot parse.
std::string LanguageTagOfLocale(std::string_view locale);

}  // namespace vx::live
