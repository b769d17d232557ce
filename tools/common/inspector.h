#pragma once
// A readable account of a packed presentation, read with the runtime's own
// container reader. Broken input gives an error naming the byte offset.

#include <string>
#include <string_view>

namespace vx::tools {

// The project container alone (the resource "PDATA").
std::string InspectContainer(std::string_view pdata);

// An executable: its RCDATA resources, its trailer and its container.
std::string InspectExecutable(std::string_view image);

// Bytes for a terminal: Windows-1256 shown as UTF-8, control bytes as \xNN.
std::string Printable(std::string_view bytes);

}  // namespace vx::tools
