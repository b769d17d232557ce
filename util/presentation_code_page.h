#pragma once
// The presentation's own code page: the one its 8-bit text is in wherever it
// meets the system (window texts, dialogs, files, registry, clipboard, the
// command line). Decided once at start-up (docs/code-page.md).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The font charset of Arabic-script text (Windows' ARABIC_CHARSET).
inline constexpr std::uint8_t kArabicCharset = 178;

// The player's command-line switch; the number follows the "=".
inline constexpr std::string_view kCodePageSwitch = "--codepage=";

// What the container says about the script its text is in.
struct CodePageEvidence {
  bool arabicCharset = false;  // some text, edit or button font has charset 178
  bool rightToLeft = false;    // some page or object reads right to left
};

// The user's choice wins; else Windows-1256 for Arabic-script evidence; else
// the system's ANSI code page.
unsigned ChoosePresentationCodePage(const CodePageEvidence& evidence, std::optional<unsigned> userChoice,
                                    unsigned systemCodePage);

// The number of the last switch on the command line: a whole parameter
// outside quotes, with a number 1 to 65535 (anything else is no choice).
std::optional<unsigned> CodePageSwitchOf(std::string_view commandLine);

// The command line as the presentation sees it: every switch parameter taken
// out with the blanks before it.
std::string WithoutCodePageSwitch(std::string_view commandLine);

}  // namespace vx
