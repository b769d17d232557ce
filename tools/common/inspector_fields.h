#pragma once
// Names of the container's fields for people: page fields, object fields
// and the characters that trail an object's name in its header.

#include <span>
#include <string_view>

#include "host/object_kinds.h"

namespace vx::tools {

enum class ValueForm { Text, Script, Bytes, Flag, Color, Digit, Code, Chars };

struct FieldName {
  std::string_view name;
  ValueForm form;
};

// Trailing header characters: width characters of one form.
struct TrailingName {
  std::string_view name;
  ValueForm form;
  int width;
};

// Nothing for a counter outside 12-34.
const FieldName* PageFieldName(int counter);
// Nothing past the kind's last field.
const FieldName* ObjectFieldName(ObjectKind kind, int counter);
std::span<const TrailingName> TrailingNames(ObjectKind kind);
std::string_view KindName(ObjectKind kind);

}  // namespace vx::tools
