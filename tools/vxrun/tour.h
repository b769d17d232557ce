#pragma once
// Tour files: one user action a line (docs/tour-format.md).

#include <string>
#include <vector>

namespace vx::tools {

struct TourStep {
  int line = 0;          // 1-based line in the file
  std::string action;    // the first word, lower-cased
  std::vector<std::string> words;  // the rest, split at blanks
  std::string rest;      // the rest of the line as written (for "type")
};

// Blank lines and lines starting with "#" are left out.
std::vector<TourStep> ParseTour(const std::string& text);

// A virtual-key code from a name ("enter", "f5", "a", "printscreen") or a
// decimal number; -1 when unknown.
int VirtualKeyByName(const std::string& name);

}  // namespace vx::tools
