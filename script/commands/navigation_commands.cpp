// Page navigation: first, last, next, previous, by name, and the pages
// shown, closed or shown modally by name.

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "script/commands/families.h"
#include "util/error.h"

namespace vx::commands {

namespace {

void FirstPage(CommandContext& c);     // 11
void LastPage(CommandContext& c);      // 12
void NextPage(CommandContext& c);      // 13
void PreviousPage(CommandContext& c);  // 14
void PageByName(CommandContext& c);    // 15
void ShowNamed(CommandContext& c);     // 97
void CloseNamed(CommandContext& c);    // 98
void ModalNamed(CommandContext& c);    // 99

constexpr CommandRow kRows[] = {
    {11, FirstPage},  {12, LastPage},   {13, NextPage},   {14, PreviousPage},
    {15, PageByName}, {97, ShowNamed},  {98, CloseNamed}, {99, ModalNamed},
};

// Set before the page changes, even when it cannot: closing the last page
// ends the program from now on.
void MarkNavigated(CommandContext& c) {
  if (c.form != nullptr) c.form->PageNavigated = true;
}

void ShowPageNumber(CommandContext& c, int n) {
  Application& app = c.App();
  if (n < 1 || n > app.pageCount || n >= static_cast<int>(app.formDB.size())) return;
  ShowPageByName(app, app.formDB[static_cast<std::size_t>(n)].Name);
}

void FirstPage(CommandContext& c) {
  MarkNavigated(c);
  ShowPageNumber(c, 1);
}

void LastPage(CommandContext& c) {
  MarkNavigated(c);
  ShowPageNumber(c, c.App().pageCount);
}

void NextPage(CommandContext& c) {
  MarkNavigated(c);
  const int current = CurrentPageNumber(c.App());
  if (current + 1 <= c.App().pageCount) ShowPageNumber(c, current + 1);
}

void PreviousPage(CommandContext& c) {
  MarkNavigated(c);
  const int current = CurrentPageNumber(c.App());
  if (current >= 2) ShowPageNumber(c, current - 1);
}

void PageByName(CommandContext& c) {
  MarkNavigated(c);
  ShowPageByName(c.App(), c.S(1));
}

platform::Window& NamedPage(CommandContext& c) {
  Application& app = c.App();
  platform::Window* window = GetFormByNum(app, PageNumberByName(app, c.S(1)));
  if (window == nullptr) throw Error(kMissingObjectMessage);
  return *window;
}

void ShowNamed(CommandContext& c) { NamedPage(c).Show(); }

void CloseNamed(CommandContext& c) { NamedPage(c).RequestClose(); }

void ModalNamed(CommandContext& c) { NamedPage(c).ShowModal(); }

}  // namespace

std::span<const CommandRow> NavigationCommands() { return kRows; }

}  // namespace vx::commands
