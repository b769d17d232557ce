// Text functions between bases: 19 to 27. Values from binary, octal and
// hexadecimal text wrap to 32 bits, as the conversion routines do.

#include "util/conversions.h"
#include "values/text_functions.h"

namespace vx::eval {

namespace {

std::int32_t Low32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

std::string HexOfValue(const Evaluator& ev, const Args& a) {
  // 64 bits: a negative value shows its 16-digit two's complement.
  std::uint64_t v = static_cast<std::uint64_t>(ev.Int(a[0]));
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  return out;
}

std::string BinOfValue(const Evaluator& ev, const Args& a) { return IntToBin(Low32(ev.Int(a[0]))); }
std::string OctOfValue(const Evaluator& ev, const Args& a) { return IntToOct(Low32(ev.Int(a[0]))); }
std::string OctToBinText(const Evaluator& ev, const Args& a) { return IntToBin(OctToInt(ev.Str(a[0]))); }
std::string BinToOctText(const Evaluator& ev, const Args& a) { return IntToOct(BinToInt(ev.Str(a[0]))); }
std::string BinToHexText(const Evaluator& ev, const Args& a) { return IntToHexText(BinToInt(ev.Str(a[0]))); }
std::string OctToHexText(const Evaluator& ev, const Args& a) { return IntToHexText(OctToInt(ev.Str(a[0]))); }
std::string HexToBinText(const Evaluator& ev, const Args& a) { return IntToBin(HexToInt(ev.Str(a[0]))); }
std::string HexToOctText(const Evaluator& ev, const Args& a) { return IntToOct(HexToInt(ev.Str(a[0]))); }

}  // namespace vx::eval
