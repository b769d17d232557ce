// The standard dialogs of the script's page: open file, save file, browse
// folder, colour and font (26 to 30), with their result variables "_file",
// "_color" and "_font".

#include <cstdint>

#include "host/application.h"
#include "host/vx_form.h"
#include "script/commands/families.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/text_forms.h"

namespace vx::commands {

namespace {

void OpenFile(CommandContext& c);     // 26
void SaveFile(CommandContext& c);     // 27
void BrowseFolder(CommandContext& c); // 28
void ChooseColor(CommandContext& c);  // 29
void ChooseFont(CommandContext& c);   // 30

constexpr CommandRow kRows[] = {
    {26, OpenFile}, {27, SaveFile}, {28, BrowseFolder}, {29, ChooseColor}, {30, ChooseFont},
};

// The page's dialogs keep their settings; the script console has no page,
// so its dialogs start afresh each time.
struct ScriptDialogs {
  explicit ScriptDialogs(CommandContext& c)
      : owner(c.form == nullptr ? nullptr : &c.form->Window()), set(c.form == nullptr ? fresh : c.form->dialogs) {}
  platform::Window* owner;
  FormDialogs fresh;
  FormDialogs& set;
};

// One "|": the text after it; more: the text between the first two. A
// pattern ("*.txt") loses its first two characters.
std::string DefaultExtension(const std::string& filter) {
  const auto first = filter.find('|');
  if (first == std::string::npos) return "";
  const auto second = filter.find('|', first + 1);
  std::string ext = second == std::string::npos ? filter.substr(first + 1) : filter.substr(first + 1, second - first - 1);
  if (ext.find('*') != std::string::npos) ext.erase(0, 2);
  return ext;
}

void OpenFile(CommandContext& c) {
  ScriptDialogs d(c);
  platform::FileDialogState& s = d.set.open;
  s.filter = c.S(1);
  if (c.Given(2)) s.fileName = c.S(2);
  if (c.Given(3)) s.initialFolder = c.S(3);
  s.multiSelect = c.Given(4) && c.B(4);
  std::string result;
  if (c.App().platform.dialogs.ShowOpenDialog(d.owner, s)) {
    if (s.files.size() > 1)
      for (const std::string& file : s.files) result += file + "|";
    else
      result = s.fileName;
  }
  c.App().values.SetStrVar("_file", result);
}

// A cancelled dialog leaves its file name as it was set.
void SaveFile(CommandContext& c) {
  ScriptDialogs d(c);
  platform::FileDialogState& s = d.set.save;
  s.filter = c.S(1);
  s.fileName = c.S(2);
  s.initialFolder = c.S(3);
  s.defaultExtension = DefaultExtension(s.filter);
  c.App().platform.dialogs.ShowSaveDialog(d.owner, s);
  c.App().values.SetStrVar("_file", s.fileName);
}

void BrowseFolder(CommandContext& c) {
  ScriptDialogs d(c);
  platform::FolderDialogState& s = d.set.folder;
  s.caption = c.S(1);
  s.text = c.S(2);
  s.folder = c.S(3);
  s.listFiles = c.B(4);
  s.newFolderButton = c.B(5);
  c.App().platform.dialogs.ShowFolderDialog(d.owner, s);
  c.App().values.SetStrVar("_file", s.folder);
}

// -1 as the red part opens the dialog on the colour it had.
void ChooseColor(CommandContext& c) {
  ScriptDialogs d(c);
  platform::ColorDialogState& s = d.set.color;
  if (c.N(1) != -1) {
    const auto part = [&c](int k) { return static_cast<std::uint8_t>(c.I(k) & 0xFF); };
    const std::uint8_t red = part(1);
    const std::uint8_t green = part(2);
    s.color = platform::MakeColor(red, green, part(3));
  }
  const bool confirmed = c.App().platform.dialogs.ShowColorDialog(d.owner, s);
  c.App().values.SetStrVar("_color", confirmed ? ColorToHex(s.color) : std::string());
}

// The dialog's font is read back whatever was pressed.
void ChooseFont(CommandContext& c) {
  ScriptDialogs d(c);
  platform::FontDialogState& s = d.set.font;
  const auto described = FontFromSpec(c.S(1));
  if (!described) throw Error("VEXORELLE Syntax Error: Font syntax is invalid.");
  s.font.name = described->name;
  s.font.charset = described->charset;
  s.font.size = described->size;
  s.color = described->color;
  c.App().platform.dialogs.ShowFontDialog(d.owner, s);
  c.App().values.SetStrVar("_font", FontToText(s.font));
}

}  // namespace

std::span<const CommandRow> DialogCommands() { return kRows; }

}  // namespace vx::commands
