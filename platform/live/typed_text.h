#pragma once
// Text typed through the input method (UTF-8) as the bytes an edit box of
// the presentation stores.

#include <string>
#include <string_view>

namespace vx::live {

// The presentation's code page; Windows-1256 (Persian and Arabic) until the
// runtime decides the code page per presentation. Characters the code page
// lacks become "?", as the system's conversion makes them.
std::string TypedTextToPresentationBytes(std::string_view utf8);

}  // namespace vx::live
