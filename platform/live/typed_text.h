#pragma once
// Text typed through the input method (UTF-8) as the bytes an edit box of
// the presentation stores.

#include <string>
#include <string_view>

namespace vx::live {

// codePage: the presentation's own, as the runtime decided it at start-up.
// Characters the code page lacks become "?", as the system's conversion
// makes them.
std::string TypedTextToPresentationBytes(std::string_view utf8, unsigned codePage);

}  // namespace vx::live
