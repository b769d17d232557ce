#pragma once
// Text primitives of the statement layer.

#include <string>
#include <string_view>

namespace vx {

// The n-th (1-based) argument of the first parenthesised list, quotes kept;
// empty when there is none. The text's last character is never examined.
std::string GetArgument(std::string_view text, int n);
// The character at 1-based position i exists and is not NUL.
bool HasCharAt(std::string_view text, int i);

}  // namespace vx
