#pragma once
// Key names of the shortcuts that author functions carry: the three
// modifier digits are the caller's; this turns the name after them into a
// virtual-key code.

#include <string_view>

namespace vx {

// 0 when the name is not recognised. "ASCII" followed by a non-number is
// the platform's integer-conversion error.
int KeyNameToCode(std::string_view name);

}  // namespace vx
