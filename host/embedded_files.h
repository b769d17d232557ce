#pragma once
// Embedded files: where they land in the extraction folder, and their
// extraction with the custom cursors at the first page record.

#include <string>

namespace vx {

class Application;
struct Project;

// The entry's name reduced to its last path element ("\" and "/" both
// separate, a drive prefix goes); empty for a name that cannot be written
// safely (empty, "." or ".."), which extraction and clean-up skip.
std::string ExtractedFileName(const std::string& entry);

// Custom cursor i of the cursor list is the project's cursor number 12 + i.
inline constexpr int kFirstCustomCursor = 13;

// Writes the resources "DATAE" i of the embedded-file table to the
// extraction folder: all of them, or only the ".cur" and ".ani" files; the
// first missing resource or failing write ends it. Then loads the cursor
// list, stopping at the first file that is no cursor.
void ExtractEmbed(Application& app, const Project& project, bool all);

}  // namespace vx
