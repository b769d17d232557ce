#include "platform/live/flash_page.h"

#include <array>
#include <string_view>

namespace vx::live {

namespace {

constexpr std::string_view kFolderPrefix = "vxfile:///~ruffle/";

// The Shockwave control's quality and scale codes as Ruffle names them.
constexpr std::array<const char*, 6> kQualities{"low", "high", "low", "high", "medium", "best"};
constexpr std::array<const char*, 4> kScaleModes{"showAll", "noBorder", "exactFit", "noScale"};

bool PlainName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '-' || c == '_';
    if (!plain) return false;
  }
  return true;
}

bool IsHexColour(const std::string& text) {
  if (text.size() != 6) return false;
  for (const char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

}  // namespace

std::optional<std::string> FlashFileOfUri(const std::string& uri) {
  if (!uri.starts_with(kFolderPrefix)) return std::nullopt;
  std::string_view name = std::string_view(uri).substr(kFolderPrefix.size());
  name = name.substr(0, name.find_first_of("?#"));
  if (!PlainName(name) || IsFlashPlayerPage(uri)) return std::nullopt;
  return std::string(name);
}

bool IsFlashPlayerPage(const std::string& uri) {
  const std::string_view page = kFlashPlayerPageUri;
  return uri.starts_with(page) && (uri.size() == page.size() || uri[page.size()] == '?' || uri[page.size()] == '#');
}

std::string FlashPlayerPage() {
  return R"(<!DOCTYPE html>
<html><head><meta charset="utf-8">
<style>html, body { margin: 0; height: 100%; overflow: hidden; background: transparent; }
ruffle-player { display: block; width: 100%; height: 100%; }</style>
<script>
window.RufflePlayer = { config: { publicPath: "/~ruffle/", splashScreen: false, unmuteOverlay: "hidden",
  warnOnUnsupportedContent: false, letterbox: "on", allowScriptAccess: true, openUrlMode: "deny",
  showSwfDownload: false, autoplay: "on" } };
</script>
<script src="/~ruffle/ruffle.js"></script>
</head><body><script>
window.addEventListener("load", function () {
  var tell = function (message) { window.webkit.messageHandlers.vx.postMessage(message); };
  var player = window.RufflePlayer.newest().createPlayer();
  document.body.appendChild(player);
  player.onFSCommand = function (command, args) { tell(["fs", String(command), String(args)]); return true; };
  window.vxPlayer = player;
  window.vxLoad = function (options) {
    player.ruffle().load(options).then(function () {
      if (!options.vxPlay) player.ruffle().pause();
    }, function (error) { tell(["error", String(error)]); });
  };
  tell(["ready"]);
});
</script></body></html>
)";
}

std::string JsString(const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || c == '<' || c == '>' || u == 0x7F) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string FlashLoadScript(const FlashSettings& settings) {
  const bool knownQuality = settings.quality >= 0 && settings.quality < static_cast<int>(kQualities.size());
  const bool knownScale = settings.scaleMode >= 0 && settings.scaleMode < static_cast<int>(kScaleModes.size());
  std::string options = "{url: " + JsString(settings.movieUri);
  options += ", quality: " + JsString(kQualities[knownQuality ? settings.quality : 1]);
  options += ", scale: " + JsString(kScaleModes[knownScale ? settings.scaleMode : 0]);
  options += std::string(", contextMenu: ") + (settings.menu ? "\"on\"" : "\"off\"");
  if (IsHexColour(settings.background)) options += ", backgroundColor: " + JsString("#" + settings.background);
  options += std::string(", vxPlay: ") + (settings.play ? "true" : "false") + "}";
  return "window.vxLoad(" + options + ");";
}

}  // namespace vx::live
