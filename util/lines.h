#pragma once
// Text as a list of lines, the way the toolkit's string lists hold it.

#include <string>
#include <string_view>
#include <vector>

namespace vx {

using LineList = std::vector<std::string>;

// Splits at CR, LF and CR LF. A break at the very end does not start another
// line, so "" gives no line and CR LF gives one empty line. NUL is an
// ordinary byte here: a stored script is bytes and loses nothing.
LineList SplitLines(std::string_view text);

// Every line followed by CR LF: the list's text as scripts and the error
// handler see it.
std::string JoinLines(const LineList& lines);

}  // namespace vx
