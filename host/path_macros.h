#pragma once
// The five bracketed folder macros of file paths in records and object
// methods: "[src]", "[win]", "[tmp]", "[sys]" and "[embed]".

#include <string>
#include <string_view>

namespace vx {

class Application;

// Each macro, in any case, becomes its folder (ending with "\"); then every
// double backslash becomes one, in one pass from the left.
std::string ParsePathDirect(const Application& app, std::string_view text);

}  // namespace vx
