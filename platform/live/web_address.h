#pragma once
// Between the addresses a presentation gives its browser panes and the URIs
// the web view loads. The presentation's own files (an extracted page, a page
// beside the executable) live on its virtual disk, which the web view cannot
// see: they are served under a scheme of the player's own, read through the
// presentation's file system, and only from the folders a page may come from.
// Pages report them back as the system's browser reports local pages, as
// file: addresses.

#include <optional>
#include <string>
#include <vector>

namespace vx::live {

// The scheme the presentation's own files are served under.
inline constexpr const char* kLocalPageScheme = "vxfile";

enum class AddressKind {
  LocalPage,  // a Windows path, a file: address, a vxfile: URI
  Web,        // http:, https:
  Blank,      // about:, data:
  Custom,     // the runtime's own "vx:" links
  Other,      // any other scheme: never loaded
};

AddressKind KindOfAddress(const std::string& address);

// What the web view loads for an address: a local page becomes
// "vxfile:///C:/dir/page.htm" (every byte that is not plain in a URI
// percent-encoded, the query and fragment of a file: address kept); other
// addresses are unchanged.
std::string PageUriOf(const std::string& address);

// The address a script sees for a URI the web view reports: a vxfile: URI
// becomes "file:///C:/dir/page.htm"; others are unchanged.
std::string AddressOfPageUri(const std::string& uri);

// The Windows path ("C:\dir\page.htm") a vxfile: URI names, decoded, without
// its query and fragment, "." and ".." parts resolved inside the drive;
// nothing when it names no path on a drive.
std::optional<std::string> WindowsPathOfPageUri(const std::string& uri);

// Whether a resolved Windows path lies inside one of the folders (compared
// without regard to case, as the disk does); a folder itself is no page.
bool InsideFolders(const std::string& windowsPath, const std::vector<std::string>& folders);

// What becomes of a navigation once its before-navigate script has run.
enum class NavigationOutcome {
  Go,            // the page loads
  Cancelled,     // the script cancelled it
  NotShowable,   // "vx:" and other schemes no page can show: never loaded
  Offline,       // a web address while the pane is offline
};
NavigationOutcome OutcomeOfNavigation(const std::string& address, bool cancelled, bool offline);

// WebKit's estimated progress (0 to 1) as the percentage a progress event
// tells, of 100.
int ProgressPercent(double estimated);

// The media type the web view is told for a served file, by its extension.
std::string MediaTypeOf(const std::string& windowsPath);

}  // namespace vx::live
