#pragma once
// The standard dialogs of the native player without GTK: what a chooser is
// told (the filter's patterns, the folder it starts in) and how its answer
// becomes the runtime's (a Windows path of the virtual disk, a colour, a
// font). Texts here are the system's UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fonts.h"
#include "platform/types.h"

namespace vx::live {

// One entry of a filter "Text|*.txt;*.log|All files|*.*".
struct FilterEntry {
  std::string name;
  std::vector<std::string> patterns;
};

// Empty names and patterns are kept as Windows shows them (an empty pattern
// list matches nothing and the entry is dropped); a last name without
// patterns is dropped, as Windows drops it.
std::vector<FilterEntry> ParseFilter(std::string_view filter);

// Where the chooser's real paths meet the virtual disk.
struct ChooserPlaces {
  std::string dataFolder;     // the presentation's data folder (its disk/ holds the drives)
  std::string besideFolder;   // the executable's real folder
  std::string besideVirtual;  // the Windows folder the runtime sees it at ("C:\Presentation")
};

// The drive letter kept for real places outside the data folder and the
// executable's folder: their Unix path, "/" as "\".
inline constexpr char kOutsideDrive = 'Z';

// The Windows path the runtime gets for a real path the person chose: under
// disk/X/ of the data folder the path on drive X, in the executable's
// folder the path there, elsewhere on drive Z. Nothing for a path that is
// not absolute.
std::optional<std::string> VirtualPathOfChosen(const std::string& realPath, const ChooserPlaces& places);

// True when the path lies on the drive of outside places: the runtime can
// only read such a file once it is copied onto the virtual disk.
bool IsOutsidePath(std::string_view virtualPath);

// The real folder a chooser starts in for the dialog's initial Windows
// folder (empty: the executable's folder).
std::string RealFolderOfInitial(const std::string& initialFolder, const ChooserPlaces& places);

// The last part of a Windows or Unix path.
std::string LastPartOf(std::string_view path);

// The dialog's default extension added to a name that has none.
std::string WithDefaultExtension(std::string path, const std::string& extension);

// A chooser's colour (channels 0 to 1) as the runtime's and back.
platform::Color ColorOfChannels(double red, double green, double blue);
struct Channels {
  double red;
  double green;
  double blue;
};
Channels ChannelsOfColor(platform::Color color);

// The font a chooser answered: family, size in points, weight (400 normal,
// 700 bold) and slant; the charset, underline and strike-out the chooser
// does not offer are kept from before.
platform::FontSpec FontSpecOfChosen(const platform::FontSpec& before, const std::string& family, double points,
                                    int weight, bool italic);
// The Pango font name a chooser starts with ("Tahoma Bold Italic 12").
std::string PangoNameOf(const platform::FontSpec& font);

}  // namespace vx::live
