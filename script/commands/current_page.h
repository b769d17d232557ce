#pragma once
// The page that the page window and background commands change.

#include "script/app_thread.h"
#include "script/commands.h"

namespace vx::commands {

// The current page, whichever form runs the script; fails with the
// missing-object message while no page has been current yet.
TVXForm& CurrentPageForm(CommandContext& c);

// The pages and their painting belong to the main thread: a script thread
// has the whole statement done there and waits; its error comes back to it.
template <CommandHandler Handler>
void OnMainThread(CommandContext& c) {
  ThreadObjAction(c.thread, [&c] { Handler(c); });
}

}  // namespace vx::commands
