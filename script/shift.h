#pragma once
// The character-shift scrambler. The key is one signed byte; the container
// and the event texts of object methods are stored shifted by it.

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// The process-wide key. Every encode and decode reads it afresh, so the value
// written last wins; the loader leaves the project key in it.
class ShiftKey {
 public:
  std::int8_t Get() const { return value_.load(std::memory_order_relaxed); }
  void Set(std::int8_t key) { value_.store(key, std::memory_order_relaxed); }

 private:
  std::atomic<std::int8_t> value_{0};
};

// The key of the event texts that object methods 71-78 receive: the same in
// every project, and the writer (tools/common/event_text.h) encodes with it.
// With 7, no byte a script holds becomes a double quote, CR or LF, and only
// 0xFA (the Arabic sukun) becomes the line mark 0x01; docs/objects.md.
inline constexpr std::int8_t kEventTextKey = 7;

// Every byte plus (encode) or minus (decode) the key, modulo 256.
std::string ShiftEncode(std::string_view text, std::int8_t key);
std::string ShiftDecode(std::string_view text, std::int8_t key);

}  // namespace vx
