#include "tools/vxrun/tour.h"

#include <cctype>
#include <sstream>

namespace vx::tools {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct NamedKey {
  const char* name;
  int code;
};

constexpr NamedKey kKeys[] = {
    {"backspace", 0x08}, {"tab", 0x09},      {"enter", 0x0D},  {"shift", 0x10},     {"ctrl", 0x11},
    {"alt", 0x12},       {"pause", 0x13},    {"capslock", 0x14}, {"escape", 0x1B},  {"esc", 0x1B},
    {"space", 0x20},     {"pageup", 0x21},   {"pagedown", 0x22}, {"end", 0x23},     {"home", 0x24},
    {"left", 0x25},      {"up", 0x26},       {"right", 0x27},  {"down", 0x28},      {"printscreen", 0x2C},
    {"insert", 0x2D},    {"delete", 0x2E},
};

}  // namespace

std::vector<TourStep> ParseTour(const std::string& text) {
  std::vector<TourStep> steps;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const auto first = raw.find_first_not_of(" \t");
    if (first == std::string::npos || raw[first] == '#') continue;
    TourStep step;
    step.line = number;
    const auto end = raw.find_first_of(" \t", first);
    step.action = Lower(raw.substr(first, end == std::string::npos ? std::string::npos : end - first));
    if (end != std::string::npos) {
      const auto restStart = raw.find_first_not_of(" \t", end);
      if (restStart != std::string::npos) step.rest = raw.substr(restStart);
    }
    std::istringstream words(step.rest);
    for (std::string w; words >> w;) step.words.push_back(w);
    steps.push_back(std::move(step));
  }
  return steps;
}

int VirtualKeyByName(const std::string& name) {
  const std::string n = Lower(name);
  for (const NamedKey& k : kKeys)
    if (n == k.name) return k.code;
  if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0])))
    return std::toupper(static_cast<unsigned char>(n[0]));
  if (n.size() >= 2 && n[0] == 'f' && n.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int f = std::stoi(n.substr(1));
    if (f >= 1 && f <= 24) return 0x70 + f - 1;
  }
  if (!n.empty() && n.size() <= 3 && n.find_first_not_of("0123456789") == std::string::npos) {
    const int code = std::stoi(n);
    if (code >= 1 && code <= 254) return code;
  }
  return -1;
}

}  // namespace vx::tools
