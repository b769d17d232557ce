#include "platform/live/web_address.h"

#include <array>
#include <cctype>
#include <string_view>

namespace vx::live {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "X:" or "X|" (the old file: form) at the start.
bool HasDrive(std::string_view path) {
  return path.size() >= 2 && IsLetter(path[0]) && (path[1] == ':' || path[1] == '|') &&
         (path.size() == 2 || path[2] == '/' || path[2] == '\\');
}

// The scheme of an address ("http"), or empty when it has none; a single
// letter before ":" is a drive, not a scheme.
std::string SchemeOf(std::string_view address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return {};
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = address[i];
    if (!(IsLetter(c) || (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')))) return {};
  }
  return Lowered(address.substr(0, colon));
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Decoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A path's bytes in a URI: letters, digits, "/" and the few marks that are
// plain in a path stay; everything else is percent-encoded.
std::string Encoded(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) != 0 && u < 0x80) out += c;
    else if (std::string_view("/-_.~!$&'()*+,;=:@").find(c) != std::string_view::npos) out += c;
    else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

// "C:\a\..\b\.\c" -> "C:\b\c": ".." climbs at most to the drive's root.
std::string Resolved(char drive, std::string_view rest) {
  std::vector<std::string> parts;
  std::string part;
  auto flush = [&] {
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    part.clear();
  };
  for (const char c : rest) {
    if (c == '/' || c == '\\') flush();
    else part += c;
  }
  flush();
  std::string out{static_cast<char>(std::toupper(static_cast<unsigned char>(drive))), ':'};
  for (const std::string& p : parts) out += "\\" + p;
  if (parts.empty()) out += "\\";
  return out;
}

// The query and fragment of a URI ("?a#b"), split off the path.
std::string_view PathPart(std::string_view uri, std::string_view* tail) {
  const std::size_t end = uri.find_first_of("?#");
  if (tail != nullptr) *tail = end == std::string_view::npos ? std::string_view() : uri.substr(end);
  return end == std::string_view::npos ? uri : uri.substr(0, end);
}

// After "file:" or "vxfile:": the path with its slashes before the drive
// taken off, or the path as it is when no drive follows.
std::string_view AfterSlashes(std::string_view rest) {
  std::size_t i = 0;
  while (i < rest.size() && (rest[i] == '/' || rest[i] == '\\')) ++i;
  return rest.substr(i);
}

}  // namespace

AddressKind KindOfAddress(const std::string& address) {
  if (HasDrive(address) || address.starts_with("\\\\") || address.starts_with("/")) return AddressKind::LocalPage;
  const std::string scheme = SchemeOf(address);
  if (scheme.empty()) return AddressKind::LocalPage;  // a relative path: the page names it on the disk
  if (scheme == "file" || scheme == kLocalPageScheme) return AddressKind::LocalPage;
  if (scheme == "http" || scheme == "https") return AddressKind::Web;
  if (scheme == "about" || scheme == "data") return AddressKind::Blank;
  if (scheme == "vx") return AddressKind::Custom;
  return AddressKind::Other;
}

std::string PageUriOf(const std::string& address) {
  if (KindOfAddress(address) != AddressKind::LocalPage) return address;
  const std::string scheme = SchemeOf(address);
  if (scheme == kLocalPageScheme) return address;
  std::string_view tail;
  std::string path;
  if (scheme == "file") {
    // Already a URI: its escapes and its query stay as they are.
    const std::string_view rest = PathPart(std::string_view(address).substr(5), &tail);
    std::string_view afterSlashes = AfterSlashes(rest);
    if (HasDrive(afterSlashes)) {
      path = Decoded(afterSlashes);
    } else {
      // A file: address without a drive (a Unix path, a server's share)
      // names nothing the presentation has; it stays drive-less and fails.
      path = Decoded(rest);
    }
  } else {
    path = address;  // a Windows path: "#" and "?" are part of the name
  }
  for (char& c : path)
    if (c == '\\') c = '/';
  if (HasDrive(path)) {
    path[1] = ':';
    path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    return std::string(kLocalPageScheme) + ":///" + Encoded(path) + std::string(tail);
  }
  std::string_view rest = path;
  while (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
  return std::string(kLocalPageScheme) + ":///" + Encoded(rest) + std::string(tail);
}

std::string AddressOfPageUri(const std::string& uri) {
  if (SchemeOf(uri) != kLocalPageScheme) return uri;
  return "file:///" + std::string(AfterSlashes(std::string_view(uri).substr(std::string_view(kLocalPageScheme).size() + 1)));
}

std::optional<std::string> WindowsPathOfPageUri(const std::string& uri) {
  if (SchemeOf(uri) != kLocalPageScheme) return std::nullopt;
  const std::string_view rest =
      PathPart(std::string_view(uri).substr(std::string_view(kLocalPageScheme).size() + 1), nullptr);
  const std::string path = Decoded(AfterSlashes(rest));
  if (!HasDrive(path) || path[1] != ':') return std::nullopt;
  // A decoded byte 0 would cut the name short underneath.
  if (path.find('\0') != std::string::npos) return std::nullopt;
  return Resolved(path[0], std::string_view(path).substr(2));
}

bool InsideFolders(const std::string& windowsPath, const std::vector<std::string>& folders) {
  const std::string path = Lowered(windowsPath);
  for (const std::string& folder : folders) {
    if (!HasDrive(folder)) continue;
    std::string root = Lowered(Resolved(folder[0], std::string_view(folder).substr(2)));
    if (root.back() != '\\') root += '\\';
    if (path.size() > root.size() && path.starts_with(root)) return true;
  }
  return false;
}

NavigationOutcome OutcomeOfNavigation(const std::string& address, bool cancelled, bool offline) {
  if (cancelled) return NavigationOutcome::Cancelled;
  const AddressKind kind = KindOfAddress(address);
  if (kind == AddressKind::Custom || kind == AddressKind::Other) return NavigationOutcome::NotShowable;
  if (offline && kind == AddressKind::Web) return NavigationOutcome::Offline;
  return NavigationOutcome::Go;
}

int ProgressPercent(double estimated) {
  if (!(estimated > 0.0)) return 0;  // NaN too
  if (estimated >= 1.0) return 100;
  return static_cast<int>(estimated * 100.0 + 0.5);
}

std::string MediaTypeOf(const std::string& windowsPath) {
  struct Type {
    std::string_view extension;
    std::string_view type;
  };
  static constexpr std::array<Type, 24> kTypes{{
      {"htm", "text/html"},         {"html", "text/html"},        {"shtml", "text/html"},
      {"xhtml", "application/xhtml+xml"}, {"css", "text/css"},   {"js", "text/javascript"},
      {"txt", "text/plain"},        {"xml", "text/xml"},          {"json", "application/json"},
      {"png", "image/png"},         {"jpg", "image/jpeg"},        {"jpeg", "image/jpeg"},
      {"gif", "image/gif"},         {"bmp", "image/bmp"},         {"ico", "image/x-icon"},
      {"svg", "image/svg+xml"},     {"wav", "audio/wav"},         {"mp3", "audio/mpeg"},
      {"mp4", "video/mp4"},         {"swf", "application/x-shockwave-flash"},
      {"wasm", "application/wasm"}, {"woff", "font/woff"},        {"woff2", "font/woff2"},
      {"ttf", "font/ttf"},
  }};
  const std::size_t slash = windowsPath.find_last_of("\\/");
  const std::size_t dot = windowsPath.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "application/octet-stream";
  const std::string extension = Lowered(std::string_view(windowsPath).substr(dot + 1));
  for (const Type& t : kTypes)
    if (t.extension == extension) return std::string(t.type);
  return "application/octet-stream";
}

}  // namespace vx::live
