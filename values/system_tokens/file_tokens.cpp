// Function tokens about files, folders and drives.

#include "platform/files.h"
#include "util/lines.h"
#include "values/drives.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {

std::string Name(const Evaluator& ev, const Args& a) { return a.empty() ? std::string() : ev.Str(a[0]); }

char DriveArg(const Evaluator& ev, const Args& a) {
  const std::string text = Name(ev, a);
  if (text.empty()) throw Failure("No drive letter");
  return text[0];
}

}  // namespace

std::string FileExistsValue(const Evaluator& ev, const Args& a) {
  return FlagText(ev.ctx.platform.files.FileExists(Name(ev, a)));
}

std::string FileLineCount(const Evaluator& ev, const Args& a) {
  const std::string text = platform::ReadWholeFile(ev.ctx.platform.files, Name(ev, a));
  return IntText(static_cast<std::int64_t>(SplitLines(text).size()));
}

std::string FileSizeValue(const Evaluator& ev, const Args& a) {
  const std::string name = Name(ev, a);
  std::uint32_t size = 0xFFFFFFFFu;  // what the system answers for a file it cannot open
  try {
    size = static_cast<std::uint32_t>(ev.ctx.platform.files.Open(name, platform::OpenMode::Read)->Size());
  } catch (const OsError&) {
  }
  return IntText(size);
}

std::string DrivesOfType(const Evaluator& ev, const Args& a) {
  return IntText(CountDrivesOfType(ev.ctx.platform.files, DriveTypeFromName(Name(ev, a))));
}

std::string DriveSizeValue(const Evaluator& ev, const Args& a) {
  return IntText(DriveSize(ev.ctx.platform.files, DriveArg(ev, a)));
}

std::string DriveFreeValue(const Evaluator& ev, const Args& a) {
  return IntText(DriveFree(ev.ctx.platform.files, DriveArg(ev, a)));
}

std::string FolderExistsValue(const Evaluator& ev, const Args& a) {
  return FlagText(ev.ctx.platform.files.DirectoryExists(Name(ev, a)));
}

std::string DriveReadyValue(const Evaluator& ev, const Args& a) {
  return FlagText(DriveReady(ev.ctx.platform.files, DriveArg(ev, a)));
}

}  // namespace vx::eval
