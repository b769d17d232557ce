// The script's form and the application window: close, hide, show,
// maximise, minimise, restore, repaint; the current page's input and cursor.

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "script/commands/families.h"

namespace vx::commands {

namespace {

void CloseForm(CommandContext& c);      // 6
void HideForm(CommandContext& c);       // 7
void ShowForm(CommandContext& c);       // 8
void MaximizeForm(CommandContext& c);   // 16
void MinimizeApp(CommandContext& c);    // 17
void RestoreApp(CommandContext& c);     // 18
void RepaintForm(CommandContext& c);    // 24
void EnablePage(CommandContext& c);     // 100
void PageCursor(CommandContext& c);     // 101

constexpr CommandRow kRows[] = {
    {6, CloseForm},    {7, HideForm},     {8, ShowForm},      {16, MaximizeForm}, {17, MinimizeApp},
    {18, RestoreApp},  {24, RepaintForm}, {100, EnablePage},  {101, PageCursor},
};

// The script console runs without a page: these then do nothing.
platform::Window* ScriptWindow(CommandContext& c) { return c.form == nullptr ? nullptr : &c.form->Window(); }

void CloseForm(CommandContext& c) {
  if (platform::Window* w = ScriptWindow(c)) w->RequestClose();
}

void HideForm(CommandContext& c) {
  if (platform::Window* w = ScriptWindow(c)) w->Hide();
}

void ShowForm(CommandContext& c) {
  if (platform::Window* w = ScriptWindow(c)) w->Show();
}

void MaximizeForm(CommandContext& c) {
  if (platform::Window* w = ScriptWindow(c)) w->Maximize();
}

void MinimizeApp(CommandContext& c) { c.App().platform.forms.MinimizeApplication(); }

void RestoreApp(CommandContext& c) { c.App().platform.forms.RestoreApplication(); }

void RepaintForm(CommandContext& c) {
  if (platform::Window* w = ScriptWindow(c)) w->Repaint();
}

// No current page (nothing was ever active) leaves nothing to change.
platform::Window* CurrentPage(CommandContext& c) { return GetFormByNum(c.App(), CurrentPageNumber(c.App())); }

void EnablePage(CommandContext& c) {
  const bool on = c.B(1);
  if (platform::Window* w = CurrentPage(c)) w->SetEnabled(on);
}

void PageCursor(CommandContext& c) {
  const int cursor = GetCursorByNum(static_cast<int>(c.I(1)));
  platform::Window* w = CurrentPage(c);
  if (w == nullptr) return;
  if (TVXForm* form = c.App().FormOf(w)) form->page.cursor = cursor;
  w->SetCursor(cursor);
}

}  // namespace

std::span<const CommandRow> WindowCommands() { return kRows; }

}  // namespace vx::commands
