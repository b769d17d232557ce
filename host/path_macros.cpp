#include "host/path_macros.h"

#include "host/application.h"

namespace vx {

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Every occurrence of macro (lower case), A-Z folded, by folder; the
// inserted text is not searched again.
std::string ReplaceAll(const std::string& text, std::string_view macro, const std::string& folder) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    bool match = i + macro.size() <= text.size();
    for (std::size_t k = 0; match && k < macro.size(); ++k) match = FoldAscii(text[i + k]) == macro[k];
    if (match) {
      out += folder;
      i += macro.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::string ParsePathDirect(const Application& app, std::string_view text) {
  std::string path(text);
  if (path.find('[') != std::string::npos) {
    const struct {
      std::string_view macro;
      std::string folder;
    } macros[] = {
        {"[src]", app.programFolder},
        {"[win]", app.windowsFolder},
        {"[tmp]", app.tempFolder},
        {"[sys]", app.windowsFolder + "System32\\"},
        {"[embed]", app.ExtractionFolder()},
    };
    for (const auto& m : macros) path = ReplaceAll(path, m.macro, m.folder);
  }
  std::string out;
  for (std::size_t i = 0; i < path.size(); ++i) {
    out += path[i];
    if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '\\') ++i;
  }
  return out;
}

}  // namespace vx
