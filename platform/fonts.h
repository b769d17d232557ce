#pragma once
// Fonts added from files for the run of a presentation.

#include <cstdint>
#include <string>

namespace vx::platform {

// A font as scripts and records describe it. The defaults are those a new
// form of the toolkit gets: "MS Sans Serif", 8 points, DEFAULT_CHARSET (1),
// no style.
struct FontSpec {
  std::string name = "MS Sans Serif";
  int size = 8;
  std::uint8_t charset = 1;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const FontSpec&) const = default;
};

class Fonts {
 public:
  virtual ~Fonts() = default;
  // Adds the font file to the system's font table and tells every top-level
  // window; false when the platform refuses the file.
  virtual bool InstallFontFile(const std::string& path) = 0;
  virtual bool RemoveFontFile(const std::string& path) = 0;

  // Loads a static (.cur) or animated (.ani) cursor file as the project's
  // cursor number (custom cursor i is number 12 + i); false when the file
  // is no cursor the platform can read.
  virtual bool LoadCursorFile(int cursorNumber, const std::string& path) = 0;
};

}  // namespace vx::platform
