#include "tools/common/event_text.h"

#include <cstdio>

#include "script/shift.h"
#include "util/error.h"
#include "util/lines.h"

namespace vx::tools {

namespace {

std::string ByteName(unsigned char b) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", b);
  return text;
}

// The literal's escapes are "\q" and "\br"; their doubled forms come back
// as themselves. The encoded text holds no double quote and no CR LF.
std::string EscapeForLiteral(std::string_view encoded) {
  std::string out;
  for (std::size_t i = 0; i < encoded.size();) {
    if (encoded.substr(i, 2) == "\\q") {
      out += "\\q\\q";
      i += 2;
    } else if (encoded.substr(i, 3) == "\\br") {
      out += "\\br\\br";
      i += 3;
    } else {
      out += encoded[i++];
    }
  }
  return out;
}

}  // namespace

std::string EventText(std::string_view script) {
  std::string joined;
  for (const std::string& line : SplitLines(script)) {
    if (line.find('\x01') != std::string::npos) throw Error("an event text cannot hold the byte 0x01");
    joined += line;
    joined += '\x01';
  }
  if (!joined.empty()) joined.pop_back();
  const std::string encoded = ShiftEncode(joined, kEventTextKey);
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const auto b = static_cast<unsigned char>(encoded[i]);
    // The line mark, the line breaks and the quote would cut the statement.
    if (b == 0x01 || b == '\r' || b == '\n' || b == '"')
      throw Error("an event text cannot hold the byte " + ByteName(static_cast<unsigned char>(joined[i])));
  }
  if (!encoded.empty() && encoded[0] == '[')
    throw Error("an event text cannot begin with \"" + joined.substr(0, 1) + "\"");
  if (encoded.find("$!#~") != std::string::npos) throw Error("an event text cannot hold the bytes of $!#~ shifted");
  return "\"" + EscapeForLiteral(encoded) + "\"";
}

std::string ExpandEventTexts(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t open = text.find("{{", i);
    if (open == std::string_view::npos) break;
    out.append(text.substr(i, open - i));
    // The matching "}}", counting the pairs inside.
    int depth = 1;
    std::size_t at = open + 2;
    while (depth > 0) {
      const std::size_t nextOpen = text.find("{{", at);
      const std::size_t nextClose = text.find("}}", at);
      if (nextClose == std::string_view::npos) throw Error("an event text opened with {{ is not closed");
      if (nextOpen != std::string_view::npos && nextOpen < nextClose) {
        ++depth;
        at = nextOpen + 2;
      } else {
        --depth;
        at = nextClose + 2;
      }
    }
    std::string_view inner = text.substr(open + 2, at - 2 - (open + 2));
    if (inner.starts_with("\r\n")) inner.remove_prefix(2);
    else if (inner.starts_with("\n")) inner.remove_prefix(1);
    if (inner.ends_with("\r\n")) inner.remove_suffix(2);
    else if (inner.ends_with("\n")) inner.remove_suffix(1);
    out += EventText(ExpandEventTexts(inner));
    i = at;
  }
  out.append(text.substr(i));
  return out;
}

}  // namespace vx::tools
