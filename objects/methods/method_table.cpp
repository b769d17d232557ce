// The method codes: every family's rows in one table, built once.

#include <array>
#include <stdexcept>
#include <string>

#include "objects/methods/families.h"

namespace vx {

namespace {

using Family = std::span<const MethodRow> (*)();

// Codes 21 and 46 do nothing. The codes of sounds, videos, Flash movies,
// browsers and plug-ins alone (49-67, 77-89) have family files of their
// own; their share of codes that other kinds have too (0, 7, 8, 27, 34, 42)
// goes into the handlers that have the code. Code 57 (load a file) serves
// pictures too.
constexpr Family kFamilies[] = {
    methods::ArrangementMethods, methods::TextLookMethods, methods::EditMethods,
    methods::ButtonImageMethods, methods::ShapeMethods,    methods::TimerMethods,
    methods::EventScriptMethods, methods::MediaMethods,    methods::HostedMethods,
};

constexpr int kCodeCount = 90;  // 0 ... 89

struct Table {
  std::array<MethodHandler, kCodeCount> handlers{};
  Table() {
    for (Family family : kFamilies)
      for (const MethodRow& row : family()) {
        if (row.code < 0 || row.code >= kCodeCount || handlers[static_cast<std::size_t>(row.code)] != nullptr)
          throw std::logic_error("object method " + std::to_string(row.code) + " listed twice or out of range");
        handlers[static_cast<std::size_t>(row.code)] = row.handler;
      }
  }
};

}  // namespace

MethodHandler FindMethod(int code) {
  static const Table table;  // constant once built
  if (code < 0 || code >= kCodeCount) return nullptr;
  return table.handlers[static_cast<std::size_t>(code)];
}

}  // namespace vx
