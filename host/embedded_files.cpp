#include "host/embedded_files.h"

#include "host/application.h"
#include "host/load_form.h"
#include "host/path_macros.h"
#include "host/project.h"
#include "util/error.h"
#include "util/path_pieces.h"

namespace vx {

std::string ExtractedFileName(const std::string& entry) {
  const auto cut = entry.find_last_of("\\/:");
  std::string name = cut == std::string::npos ? entry : entry.substr(cut + 1);
  if (name == "." || name == "..") name.clear();
  return name;
}

namespace {

bool IsCursorFile(const std::string& name) {
  std::string ext = ExtensionOf(name);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext == ".cur" || ext == ".ani";
}

void ShowProgress(Application& app, int maximum, int position) {
  if (!app.splash) return;
  try {
    app.splash->Progress().SetRange(maximum);
    app.splash->Progress().SetPosition(position);
  } catch (const Error&) {
    // A progress bar that cannot show is no reason to stop.
  }
}

}  // namespace

void ExtractEmbed(Application& app, const Project& project, bool all) {
  auto& files = app.platform.files;
  const std::string folder = app.ExtractionFolder();
  try {
    files.MakeDirectory(folder);
  } catch (const Error&) {
    // Usually there from an earlier run; its files are overwritten.
  }

  const auto& table = project.embeddedFiles;
  const int count = static_cast<int>(table.size()) - 1;
  try {
    for (int i = 1; i <= count; ++i) {
      const std::string& entry = table[static_cast<std::size_t>(i)];
      const std::string name = ExtractedFileName(entry);
      if (!all && !IsCursorFile(name)) continue;
      // Nothing is ever written outside the folder.
      if (name.empty()) continue;
      if (!files.ExtractOwnResource("DATAE" + std::to_string(i), folder + name)) break;
      ShowProgress(app, count, i);
    }
  } catch (const Error&) {
    // A failing write ends the extraction; the rest is simply absent.
  }

  for (std::size_t i = 0; i < project.cursorFiles.size(); ++i) {
    const std::string path = ParsePathDirect(app, project.cursorFiles[i]);
    const int number = kFirstCustomCursor + static_cast<int>(i);
    if (!app.platform.fonts.LoadCursorFile(number, path)) break;
  }
}

}  // namespace vx
