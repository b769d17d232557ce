#pragma once
// The decision of the presentation's code page at start-up: from the
// container's fonts and reading order, the user's switch and the system.

#include <string_view>

#include "platform/platform.h"
#include "util/presentation_code_page.h"

namespace vx {

// What the container shows, as far as it can be read: a container that
// cannot be read at all shows nothing (its loading reports the error later).
CodePageEvidence ProbeCodePageEvidence(std::string_view pdata);

// Reads the own "PDATA" and the command line, chooses, and hands the choice
// to the platform. A code page the platform cannot convert is dropped for
// the choice without it.
unsigned DecidePresentationCodePage(platform::Platform& platform);

}  // namespace vx
