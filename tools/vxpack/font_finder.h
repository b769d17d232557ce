#pragma once
// Installed fonts by family, so a project source can name the font its
// pages use instead of carrying a copy of the file.

#include <optional>
#include <string>

namespace vx::tools {

// The file of the installed font whose family is family (any letter case),
// its regular style where there is one; nothing when no installed font has
// that family (a fallback of another family never counts).
std::optional<std::string> FindFontFile(const std::string& family);

}  // namespace vx::tools
