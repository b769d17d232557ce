#include "platform/live/shell_request.h"

#include <array>
#include <string_view>

namespace vx::live {

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The next word: a quoted run (quotes dropped) or up to the next blank.
std::string NextWord(const std::string& text, std::size_t& at) {
  while (at < text.size() && text[at] == ' ') ++at;
  if (at >= text.size()) return {};
  if (text[at] == '"') {
    const auto close = text.find('"', at + 1);
    const std::string word = text.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1);
    at = close == std::string::npos ? text.size() : close + 1;
    return word;
  }
  const auto blank = text.find(' ', at);
  const std::string word = text.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
  at = blank == std::string::npos ? text.size() : blank;
  return word;
}

constexpr std::array<std::string_view, 14> kProgramExtensions = {
    ".exe", ".com", ".bat", ".cmd", ".pif", ".scr", ".lnk", ".msi", ".vbs", ".vbe", ".js", ".wsf", ".cpl", ".dll"};

}  // namespace

std::optional<ShellRequest> ShellRequestOf(const std::string& file, const std::string& parameters) {
  const std::string program = Lower(file);
  if (program == "rundll32.exe" || program == "rundll32") {
    std::size_t at = 0;
    const std::string entry = Lower(NextWord(parameters, at));
    if (entry != "shell32.dll,shellexec_rundll") return std::nullopt;
    ShellRequest request;
    request.document = NextWord(parameters, at);
    request.parameters = NextWord(parameters, at);
    if (request.document.empty()) return std::nullopt;
    return request;
  }
  if (file.empty()) return std::nullopt;
  return ShellRequest{file, parameters};
}

bool IsWindowsProgram(const std::string& document) {
  if (IsAddress(document)) return false;
  std::string name = Lower(document);
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  const auto slash = name.find_last_of("\\/:");
  const auto dot = name.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  const std::string_view extension = std::string_view(name).substr(dot);
  for (std::string_view e : kProgramExtensions)
    if (extension == e) return true;
  return false;
}

bool IsAddress(const std::string& document) {
  const std::string text = Lower(document);
  for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"})
    if (text.compare(0, scheme.size(), scheme) == 0) return true;
  return false;
}

}  // namespace vx::live
