#pragma once
// Finding pages by number and telling which page is current.

#include <optional>
#include <string>

#include "platform/forms.h"
#include "platform/pictures.h"

namespace vx {

class Application;

// After start-up: every page after the first whose record asks for it to be
// shown (no show transition, not hidden after loading). Page 1 is shown by
// the message loop.
void ShowPagesAfterLoading(Application& app);

// What a statement reports when it reaches for a page or object that is not
// there, as the player's nil-object access has always read.
inline constexpr char kMissingObjectMessage[] = "Access violation at address 00000000. Read of address 00000000";

// The window named "VX_APPLICATION_FORM" + n, or null.
platform::Window* GetFormByNum(Application& app, int n);

// When the active window is a page, its number becomes the current page
// number; otherwise the number last seen is kept (0 before any page).
int CurrentPageNumber(Application& app);

// The first page whose authored name equals name, A-Z without regard to
// case; -1 when none has it.
int PageNumberByName(const Application& app, const std::string& name);

// Shows the named page in the place and size of the current page, which is
// hidden; nothing for an unknown name or the page already shown.
void ShowPageByName(Application& app, const std::string& name);

// The cursor number a window or object shows for a record's cursor number:
// 0 ... 12 the standard cursors (platform::Window::SetCursor), 13 and up
// custom cursor n - 12 of the cursor list; a negative number is the default.
int GetCursorByNum(int n);

// The background picture of page n: the resource "BDATAG" n, written to the
// temp folder as "c.tmp" (deleted again in every case) and read as JPEG,
// bitmap, PNG, GIF, metafile or icon, the first that loads. Nothing when no
// format reads it; vx::Error when the resource is missing.
std::optional<platform::Picture> GetBG(Application& app, int n);

// A background picture from a file, read as GetBG reads the resource. The
// platform's file error when the file cannot be read; vx::Error when no
// format reads it.
platform::Picture BackgroundFromFile(Application& app, const std::string& path);

}  // namespace vx
