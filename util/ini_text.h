#pragma once
// INI file text read and edited the way the system's profile functions do:
// sections and keys compared without regard to ASCII case, one pair of
// enclosing quotes stripped on reading, a key's line replaced where it
// stands. The text is the file's bytes; both backends keep them as they are.

#include <string>
#include <string_view>

namespace vx {

// The key's value in the section, or empty.
std::string IniValue(std::string_view text, std::string_view section, std::string_view key);

// The text with key=value in the section (the section added at the end when
// missing); lines end in CR LF.
std::string WithIniEntry(std::string_view text, const std::string& section, const std::string& key,
                         const std::string& value);

}  // namespace vx
