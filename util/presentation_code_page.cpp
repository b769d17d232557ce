#include "util/presentation_code_page.h"

#include <vector>

#include "util/codepage.h"

namespace vx {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

struct Parameter {
  std::size_t blanksFrom;  // where the blanks before it start
  std::size_t from;
  std::size_t to;
};

// Parameters as the system splits a command line: blanks outside quotes
// separate them.
std::vector<Parameter> Parameters(std::string_view line) {
  std::vector<Parameter> out;
  std::size_t p = 0;
  while (p < line.size()) {
    const std::size_t blanks = p;
    while (p < line.size() && IsBlank(line[p])) ++p;
    if (p == line.size()) break;
    const std::size_t from = p;
    bool quoted = false;
    while (p < line.size() && (quoted || !IsBlank(line[p]))) {
      if (line[p] == '"') quoted = !quoted;
      ++p;
    }
    out.push_back({blanks, from, p});
  }
  return out;
}

std::optional<unsigned> SwitchValue(std::string_view parameter) {
  if (parameter.substr(0, kCodePageSwitch.size()) != kCodePageSwitch) return std::nullopt;
  const std::string_view digits = parameter.substr(kCodePageSwitch.size());
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value == 0 || value > 65535) return std::nullopt;
  return value;
}

bool IsSwitch(std::string_view parameter) {
  return parameter.substr(0, kCodePageSwitch.size()) == kCodePageSwitch;
}

}  // namespace

unsigned ChoosePresentationCodePage(const CodePageEvidence& evidence, std::optional<unsigned> userChoice,
                                    unsigned systemCodePage) {
  if (userChoice) return *userChoice;
  if (evidence.arabicCharset || evidence.rightToLeft) return kArabicCodePage;
  return systemCodePage;
}

std::optional<unsigned> CodePageSwitchOf(std::string_view commandLine) {
  std::optional<unsigned> chosen;
  const auto parameters = Parameters(commandLine);
  // The first parameter is the program.
  for (std::size_t i = 1; i < parameters.size(); ++i) {
    const auto& p = parameters[i];
    const std::string_view text = commandLine.substr(p.from, p.to - p.from);
    if (IsSwitch(text)) chosen = SwitchValue(text);
  }
  return chosen;
}

std::string WithoutCodePageSwitch(std::string_view commandLine) {
  std::string out;
  std::size_t kept = 0;
  const auto parameters = Parameters(commandLine);
  for (std::size_t i = 1; i < parameters.size(); ++i) {
    const auto& p = parameters[i];
    if (!IsSwitch(commandLine.substr(p.from, p.to - p.from))) continue;
    out.append(commandLine.substr(kept, p.blanksFrom - kept));
    kept = p.to;
  }
  out.append(commandLine.substr(kept));
  return out;
}

}  // namespace vx
