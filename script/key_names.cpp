#include "script/key_names.h"

#include <array>
#include <string>

#include "util/conversions.h"

namespace vx {

namespace {

struct KeyName {
  std::string_view name;
  int code;
};

// Exact, upper-case names.
constexpr std::array<KeyName, 19> kKeyNames{{
    {"ENTER", 13},     {"RIGHT", 39},  {"LEFT", 37},       {"DOWN", 40},       {"UP", 38},
    {"INSERT", 45},    {"TAB", 9},     {"PAUSE", 19},      {"CAPS", 20},       {"NUM LOCK", 144},
    {"END", 35},       {"DELETE", 46}, {"PGDN", 34},       {"PGUP", 33},       {"HOME", 36},
    {"SPACE", 32},     {"ESC", 27},    {"PRINTSCRN", 44},  {"SCROLL LOCK", 145},
}};

constexpr int kFirstFunctionKey = 1;
constexpr int kLastFunctionKey = 24;
constexpr int kFunctionKeyBase = 111;  // F1 is 112

}  // namespace

int KeyNameToCode(std::string_view name) {
  int code = 0;
  for (const KeyName& key : kKeyNames)
    if (key.name == name) code = key.code;
  if (name.substr(0, 5) == "ASCII") code = StrToInt(name.substr(5));
  if (code == 0) {
    for (int n = kFirstFunctionKey; n <= kLastFunctionKey; ++n)
      if (name.size() > 1 && name[0] == 'F' && name.substr(1) == std::to_string(n)) code = kFunctionKeyBase + n;
  }
  if (code == 0 && name.size() == 1) code = static_cast<unsigned char>(name[0]);
  return code;
}

}  // namespace vx
