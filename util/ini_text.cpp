#include "util/ini_text.h"

#include <optional>
#include <vector>

namespace vx {

namespace {

std::string Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto cut = text.find_first_of("\r\n");
    lines.emplace_back(text.substr(0, cut));
    if (cut == std::string_view::npos) break;
    text.remove_prefix(cut + (text.compare(cut, 2, "\r\n") == 0 ? 2 : 1));
  }
  return lines;
}

// The section's name when the line opens one.
std::optional<std::string> SectionOf(const std::string& line) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(std::string_view(t).substr(1, close - 1));
}

}  // namespace

std::string IniValue(std::string_view text, std::string_view section, std::string_view key) {
  bool inSection = false;
  while (!text.empty()) {
    const auto cut = text.find_first_of("\r\n");
    std::string line = Trim(text.substr(0, cut));
    text.remove_prefix(cut == std::string_view::npos ? text.size() : cut + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const auto close = line.find(']');
      inSection = close != std::string::npos && SameNoCase(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos || !SameNoCase(Trim(line.substr(0, eq)), key)) continue;
    std::string value = Trim(line.substr(eq + 1));
    // The system strips one pair of enclosing quotes.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return "";
}

std::string WithIniEntry(std::string_view text, const std::string& section, const std::string& key,
                         const std::string& value) {
  std::vector<std::string> lines = SplitLines(text);
  const std::string entry = key + "=" + value;
  std::size_t sectionAt = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionOf(lines[i]);
    if (name && SameNoCase(*name, section)) {
      sectionAt = i;
      break;
    }
  }
  if (sectionAt == lines.size()) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    // The key's line is replaced where it stands, else the entry closes the section.
    std::size_t end = sectionAt + 1;
    bool replaced = false;
    for (; end < lines.size() && !SectionOf(lines[end]); ++end) {
      const auto eq = lines[end].find('=');
      const std::string line = Trim(lines[end]);
      if (eq == std::string::npos || line.empty() || line[0] == ';') continue;
      const std::string existing = Trim(std::string_view(lines[end]).substr(0, eq));
      if (SameNoCase(existing, key)) {
        // The key keeps the spelling it has in the file.
        lines[end] = existing + "=" + value;
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      while (end > sectionAt + 1 && Trim(lines[end - 1]).empty()) --end;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace vx
