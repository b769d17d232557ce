// Text functions on paths, the command line, the clipboard and files:
// 5 to 11, 28 and 31.

#include "platform/files.h"
#include "util/lines.h"
#include "util/path_pieces.h"
#include "util/presentation_code_page.h"
#include "util/trailer.h"
#include "values/text_functions.h"

namespace vx::eval {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The index-th parameter of a command line as the platform's ParamStr
// splits it: blanks separate, double quotes group and are dropped.
std::string CommandLineParam(const std::string& line, std::int64_t index) {
  std::size_t i = 0;
  std::string param;
  for (std::int64_t n = 0;; ++n) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    param.clear();
    bool quoted = false;
    for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
      if (line[i] == '"')
        quoted = !quoted;
      else
        param += line[i];
    }
    if (n == index || param.empty()) return n == index ? param : "";
  }
}

}  // namespace

std::string DrivePart(const Evaluator& ev, const Args& a) { return DriveOfPath(ev.Str(a[0])); }
std::string PathPart(const Evaluator& ev, const Args& a) { return PathWithoutDrive(ev.Str(a[0])); }
std::string NamePart(const Evaluator& ev, const Args& a) { return NameWithoutExtension(ev.Str(a[0])); }
std::string ExtensionPart(const Evaluator& ev, const Args& a) { return ExtensionOf(ev.Str(a[0])); }

std::string ParamText(const Evaluator& ev, const Args& a) {
  const std::int64_t index = ev.Int(a[0]);
  if (index == 0) return ev.ctx.platform.files.OwnExecutablePath();
  if (index < 0) return "";
  // The player's own switch is not the presentation's.
  return CommandLineParam(WithoutCodePageSwitch(ev.ctx.platform.process.CommandLine()), index);
}

std::string ClipboardText(const Evaluator& ev, const Args&) { return ev.ctx.platform.clipboard.Text(); }

std::string FileText(const Evaluator& ev, const Args& a) {
  return JoinLines(SplitLines(platform::ReadWholeFile(ev.ctx.platform.files, ev.Str(a[0]))));
}

std::string FileChar(const Evaluator& ev, const Args& a) {
  const std::string name = ev.Str(a[0]);
  const std::int64_t offset = ev.Int(a[1]);
  auto file = ev.ctx.platform.files.Open(name, platform::OpenMode::Read);
  // Nothing to read at or past the end (or before the start).
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= file->Size()) return "";
  file->Seek(static_cast<std::uint64_t>(offset));
  return file->Read(1);
}

std::string TrailerText(const Evaluator& ev, const Args& a) {
  std::string stream;
  if (!ReadTrailer(ev.ctx.platform.files, ev.Str(a[0]), stream))
    throw Error("Failed to read data from executable file.");
  return JoinLines(SplitLines(stream));
}

}  // namespace vx::eval
