#include "platform/sim/sim_desktop.h"

namespace vx::sim {

SimDesktop::SimDesktop()
    : platform_{forms, loop, dialogs, files, display, fonts, pictures, input, process, hosted,
                clipboard, registry, media} {}

}  // namespace vx::sim
