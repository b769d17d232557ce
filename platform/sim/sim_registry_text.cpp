// The registry as text, so that a live desktop keeps it between runs: one
// line per key ("K" and the key in hex), then one per value ("V", the name
// in hex, the kind's number, the data in hex); each hex field begins with
// "x". Hex keeps every byte a
// presentation wrote, line breaks included.

#include <optional>
#include <sstream>

#include "platform/sim/sim_registry.h"

namespace vx::sim {

namespace {

// "x" first, so that an empty field (the default value's name) is a word.
std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out = "x";
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

int Nibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unhex(const std::string& text) {
  if (text.empty() || text[0] != 'x' || text.size() % 2 != 1) return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < text.size(); i += 2) {
    const int hi = Nibble(text[i]);
    const int lo = Nibble(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

constexpr int kKinds = 5;  // RegistryValueKind String .. Other

}  // namespace

std::string SimRegistry::Save() const {
  std::string out;
  for (const auto& [key, values] : keys_) {
    out += "K " + Hex(key) + "\n";
    for (const auto& [name, value] : values)
      out += "V " + Hex(name) + " " + std::to_string(static_cast<int>(value.kind)) + " " + Hex(value.data) + "\n";
  }
  return out;
}

void SimRegistry::Load(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  std::map<std::string, platform::RegistryValue>* current = nullptr;
  // A damaged line is skipped; the rest is still the presentation's.
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string tag, first;
    words >> tag >> first;
    const auto decoded = Unhex(first);
    if (tag == "K") {
      // The values of a damaged key line must not go to the key before it.
      current = decoded ? &keys_[*decoded] : nullptr;
    } else if (tag == "V" && current != nullptr && decoded) {
      int kind = -1;
      std::string data;
      words >> kind >> data;
      const auto bytes = Unhex(data);
      if (kind < 0 || kind >= kKinds || !bytes) continue;
      (*current)[*decoded] = {static_cast<platform::RegistryValueKind>(kind), *bytes};
    }
  }
}

}  // namespace vx::sim
