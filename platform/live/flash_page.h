#pragma once
// The page a Flash movie plays in, in the native player: the Ruffle web
// player (its self-hosted build, installed by scripts/install-deps.sh) in
// a web view. Ruffle's files are served under the local-page scheme at
// "vxfile:///~ruffle/NAME", beside the player page itself, so the page, the
// player and the movie (a local page address) share one origin. The movie
// tells the player's own code through the message channel "vx": ["ready"]
// once the player is made, ["fs", command, args] for an FS command.

#include <optional>
#include <string>

namespace vx::live {

inline constexpr const char* kFlashPlayerPageUri = "vxfile:///~ruffle/vx-player.htm";

// The file of Ruffle's folder a URI names ("ruffle.js" for
// "vxfile:///~ruffle/ruffle.js"): a plain name only (letters, digits, ".",
// "-", "_"; no leading "."). The player page is not one of them.
std::optional<std::string> FlashFileOfUri(const std::string& uri);
bool IsFlashPlayerPage(const std::string& uri);

// The player page's text.
std::string FlashPlayerPage();

// What the movie is loaded with; the control's own codes as the Shockwave
// control has them.
struct FlashSettings {
  std::string movieUri;
  int quality = 1;    // 0 low, 1 high, 2 auto-low, 3 auto-high, 4 medium, 5 best
  int scaleMode = 0;  // 0 show all, 1 no border, 2 exact fit, 3 no scale
  bool menu = true;
  std::string background;  // RRGGBB, empty: the movie's own
  bool play = true;
};

// The script that loads the movie into the page's player.
std::string FlashLoadScript(const FlashSettings& settings);

// A text as a JavaScript string literal.
std::string JsString(const std::string& text);

}  // namespace vx::live
