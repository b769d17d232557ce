#pragma once
// The page that the page window and background commands change.

#include "script/commands.h"

namespace vx::commands {

// The current page, whichever form runs the script; fails with the
// missing-object message while no page has been current yet.
TVXForm& CurrentPageForm(CommandContext& c);

}  // namespace vx::commands
