#pragma once
// Finding pages by number and telling which page is current.

#include "platform/forms.h"

namespace vx {

class Application;

// The window named "VX_APPLICATION_FORM" + n, or null.
platform::Window* GetFormByNum(Application& app, int n);

// When the active window is a page, its number becomes the current page
// number; otherwise the number last seen is kept (0 before any page).
int CurrentPageNumber(Application& app);

}  // namespace vx
