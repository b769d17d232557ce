#pragma once
// The object kinds of the container: type code, class, how many characters
// trail the name in the header and the number of the kind's last field.

#include <span>
#include <string_view>

namespace vx {

// Companion: the parts of a sound or video and the run-time timers, which
// are components of a page but no authored object (no row in the table).
enum class ObjectKind { Text, Edit, Button, Picture, Shape, Sound, Video, Flash, Browser, Timer, Plugin, Companion };

struct ObjectKindInfo {
  ObjectKind kind;
  unsigned char code[2];  // the first two bytes of the decoded header
  std::string_view className;
  int trailingCount;      // header characters after the name
  int lastField;          // the field that gives the object its parent
};

// One row per kind, in the order of the enumeration.
std::span<const ObjectKindInfo> ObjectKinds();
const ObjectKindInfo& KindInfo(ObjectKind kind);
// Nothing for a code that is not an object.
const ObjectKindInfo* FindObjectKind(unsigned char first, unsigned char second);

// The field that opens every object record.
inline constexpr int kObjectHeaderField = 35;

}  // namespace vx
