#pragma once
// Event texts as authors write them: the scripts that object methods 71-78
// put on an object travel inside a statement as a string literal, scrambled
// with the fixed event-text key (kEventTextKey, script/shift.h).

#include <string>
#include <string_view>

namespace vx::tools {

// The string literal, quotes included, that evaluates to the script's event
// text: lines joined with 0x01, shifted by the key, "\q" and "\br" in the
// result doubled so that the literal's escapes leave them alone. vx::Error
// for a script holding a byte that cannot travel that way (0x01, or 0xFA,
// which the key turns into the line mark), or one whose encoded form would
// begin with "[" (a folder macro).
std::string EventText(std::string_view script);

// Every "{{ script }}" in text replaced by EventText(script), inner ones
// first; one line break right after "{{" and one right before "}}" belong to
// the brackets. vx::Error for a "{{" without its "}}".
std::string ExpandEventTexts(std::string_view text);

}  // namespace vx::tools
