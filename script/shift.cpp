#include "script/shift.h"

namespace vx {

namespace {
std::string Shift(std::string_view text, int delta) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(c) + delta));
  return out;
}
}  // namespace

std::string ShiftEncode(std::string_view text, std::int8_t key) { return Shift(text, key); }
std::string ShiftDecode(std::string_view text, std::int8_t key) { return Shift(text, -key); }

}  // namespace vx
