// Files named by scripts: copy, move, rename, delete and write (32 to 35,
// 41), extraction of an embedded file (106) and the settings block of
// another executable (107).

#include <string>

#include "host/application.h"
#include "script/commands/families.h"
#include "util/error.h"
#include "util/trailer.h"

namespace vx::commands {

namespace {

void CopyFile(CommandContext& c);         // 32
void MoveFile(CommandContext& c);         // 33, 34
void DeleteFile(CommandContext& c);       // 35
void WriteFile(CommandContext& c);        // 41
void ExtractEmbedded(CommandContext& c);  // 106
void SetSettingsBlock(CommandContext& c); // 107

constexpr CommandRow kRows[] = {
    {32, CopyFile}, {33, MoveFile},        {34, MoveFile},          {35, DeleteFile},
    {41, WriteFile}, {106, ExtractEmbedded}, {107, SetSettingsBlock},
};

std::string Lower(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

// 32 to 35 say nothing when the system refuses.
void CopyFile(CommandContext& c) {
  const std::string source = c.S(1);
  c.App().platform.files.CopyFileOver(source, c.S(2));
}

void MoveFile(CommandContext& c) {
  const std::string source = c.S(1);
  c.App().platform.files.MoveFileTo(source, c.S(2));
}

void DeleteFile(CommandContext& c) {
  try {
    c.App().platform.files.RemoveFile(c.S(1));
  } catch (const OsError&) {
    // Deleting what is not there, or cannot go, is no error to the script.
  }
}

// The system's message fails the statement.
void WriteFile(CommandContext& c) {
  const std::string file = c.S(1);
  platform::WriteWholeFile(c.App().platform.files, file, c.S(2));
}

// The entry whose file-name part (after the last "\" or ":") equals the
// name in any letter case. There is no second way in by resource name:
// nothing writes such resources, and it would show two test boxes.
void ExtractEmbedded(CommandContext& c) {
  Application& app = c.App();
  const std::string wanted = Lower(c.S(1));
  const std::string destination = c.S(2);
  const auto& table = app.project.embeddedFiles;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const std::string& entry = table[i];
    const auto cut = entry.find_last_of("\\:");
    if (Lower(cut == std::string::npos ? entry : entry.substr(cut + 1)) != wanted) continue;
    try {
      const auto data = app.platform.files.ReadOwnResource("DATAE" + std::to_string(i));
      if (!data) break;
      platform::WriteWholeFile(app.platform.files, destination, *data);
      return;
    } catch (const Error&) {
      break;
    }
  }
  throw Error("Embedded file not found.");
}

// The block keeps its first byte (whether the splash shows) and takes the
// text as the rest; it goes behind the file as a new trailer in one write.
void SetSettingsBlock(CommandContext& c) {
  platform::Files& files = c.App().platform.files;
  const std::string file = c.S(1);
  const std::string data = c.S(2);
  std::string block;
  try {
    if (!ReadTrailer(files, file, block)) return;
  } catch (const Error&) {
    throw Error("Failed to set data.");
  }
  if (block.empty() || (block[0] != '1' && block[0] != '0'))
    throw Error("This file is not an Vexorelle executable file.");
  // Only the first byte stays: what followed the new text in a longer old
  // block would otherwise read as part of it.
  block.resize(1);
  block += data;
  try {
    if (!AppendTrailer(files, file, block)) throw Error("gone");
  } catch (const Error&) {
    throw Error("Failed to set data.");
  }
}

}  // namespace

std::span<const CommandRow> FileCommands() { return kRows; }

}  // namespace vx::commands
