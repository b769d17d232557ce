#pragma once
// The method families: each file lists its rows at the top and returns them
// here; method_table.cpp merges them. Also the kind tests they share.

#include <span>

#include "host/object_kinds.h"
#include "objects/methods/object_methods.h"
#include "objects/vx_object.h"

namespace vx::methods {

std::span<const MethodRow> ArrangementMethods();  // 0-11
std::span<const MethodRow> TextLookMethods();     // 12-24
std::span<const MethodRow> EditMethods();         // 25-37
std::span<const MethodRow> ButtonImageMethods();  // 38-42, 68
std::span<const MethodRow> ShapeMethods();        // 43-48, 70
std::span<const MethodRow> TimerMethods();         // 69
std::span<const MethodRow> EventScriptMethods();  // 71-76
std::span<const MethodRow> MediaMethods();        // 50-57, 77-79, 89
std::span<const MethodRow> HostedMethods();       // 49, 58-67, 80-88

// "All" in the method table: every kind whose component is a visual
// control, so every kind but timer and sound.
inline bool IsVisual(const TVXObject& object) {
  return object.Kind() != ObjectKind::Timer && object.Kind() != ObjectKind::Sound &&
         object.Kind() != ObjectKind::Companion;
}

// The object as class T when it is one, else null.
template <typename T>
T* As(TVXObject& object) {
  return dynamic_cast<T*>(&object);
}

}  // namespace vx::methods

namespace vx {
class TVXMPlugin;
// Code 8 on a plug-in host: its plug-in's Draw with a null device context.
void DrawPlugin(Application& app, TVXMPlugin& plugin);
}  // namespace vx
