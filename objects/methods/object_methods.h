#pragma once
// Object methods: the numbered changes a script makes to an authored object
// with an object statement, 10(object, page).code(arguments). One handler per
// code, kept with its family in objects/methods/*_methods.cpp; the table of
// codes is objects/methods/method_table.cpp.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/fonts.h"
#include "platform/types.h"
#include "util/lines.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;

// What a handler sees: the object, its page, and its argument texts, which
// it evaluates by the kinds its code takes. Missing arguments are empty.
struct MethodCall {
  Application& app;
  TVXForm& page;
  TVXObject& object;
  const std::string& objectName;  // without "OBJ"
  const std::array<std::string, 5>& args;

  // EvalNumExpr of argument k (1-based).
  long double Number(int k) const;
  // Its nearest integer, halves to even, as 32 bits (wrapping).
  std::int32_t Int(int k) const;
  // True when that integer is above 0.
  bool Flag(int k) const;
  // EvalStrExpr of argument k.
  std::string Text(int k) const;
  // Six hexadecimal digits RRGGBB.
  platform::Color Colour(int k) const;
  // The font text form; a size or charset that is no number is an error.
  platform::FontSpec Font(int k) const;
  // A scrambled script: ShiftKey becomes kEventTextKey, the text is
  // decoded with it and its 0x01 bytes break the lines.
  LineList EventText(int k) const;
};

using MethodHandler = void (*)(MethodCall&);

struct MethodRow {
  int code;
  MethodHandler handler;
};

// The handler of a code; null for a code without one (nothing happens).
MethodHandler FindMethod(int code);

// The method text on the object "OBJ" + objectName of page pageNumber, on
// the main thread. Nothing when the page or the object has gone; a code that
// is no decimal number is the integer-conversion error.
void DoObjAction(Application& app, const std::string& methodText, const std::string& objectName,
                 int pageNumber);

}  // namespace vx
