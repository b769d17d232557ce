// Fonts, clipboard, multimedia command strings, keyboard layout and sounds:
// 36 to 39 and 42 to 44.

#include <algorithm>
#include <cstdint>

#include "host/application.h"
#include "script/commands/families.h"
#include "util/conversions.h"
#include "util/services.h"
#include "values/expressions.h"

namespace vx::commands {

namespace {

void AddFont(CommandContext& c);         // 36
void RemoveFont(CommandContext& c);      // 37
void ToClipboard(CommandContext& c);     // 38
void MciCommand(CommandContext& c);      // 39
void KeyboardLayout(CommandContext& c);  // 42
void SystemSound(CommandContext& c);     // 43
void Speaker(CommandContext& c);         // 44

constexpr CommandRow kRows[] = {
    {36, AddFont},        {37, RemoveFont},  {38, ToClipboard}, {39, MciCommand},
    {42, KeyboardLayout}, {43, SystemSound}, {44, Speaker},
};

void AddFont(CommandContext& c) { InstallFont(c.App().platform.fonts, c.S(1)); }

// The argument's text is lower-cased before it is evaluated, literals
// included; font files are found without regard to case anyway.
void RemoveFont(CommandContext& c) {
  std::string text = c.args[0];
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  UninstallFont(c.App().platform.fonts, EvalStrExpr(text, c.App().eval));
}

void ToClipboard(CommandContext& c) { c.App().platform.clipboard.SetText(c.S(1)); }

void MciCommand(CommandContext& c) { c.App().platform.process.SendMciCommand(c.S(1)); }

// 409 names the layout 00000409. A layout the system lacks changes nothing.
void KeyboardLayout(CommandContext& c) { c.App().platform.input.SwitchKeyboardLayout(ZeroPad(c.I(1), 8)); }

void SystemSound(CommandContext& c) {
  c.App().platform.process.PlaySystemSound(static_cast<unsigned>(static_cast<std::uint32_t>(c.I(1))));
}

void Speaker(CommandContext& c) {
  const std::int64_t frequency = c.I(1);
  const std::int64_t duration = c.I(2);
  constexpr std::int64_t kLongest = 0xFFFFFFFE;  // 0xFFFFFFFF would be "forever"
  c.App().platform.process.SoundSpeaker(static_cast<unsigned>(std::clamp<std::int64_t>(frequency, 0, kLongest)),
                                        static_cast<unsigned>(std::clamp<std::int64_t>(duration, 0, kLongest)));
}

}  // namespace

std::span<const CommandRow> SystemCommands() { return kRows; }

}  // namespace vx::commands
