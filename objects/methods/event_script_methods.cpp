// Methods 71-76: an object's event script replaced by a scrambled event text
// (MethodCall::EventText). The new script runs from the object's next event.

#include "objects/methods/families.h"
#include "objects/vx_edit.h"
#include "objects/vx_shape.h"
#include "objects/vx_timer.h"

namespace vx::methods {

namespace {

void MouseDownScript(MethodCall& m);   // 71
void MouseUpScript(MethodCall& m);     // 72
void MouseEnterScript(MethodCall& m);  // 73
void MouseLeaveScript(MethodCall& m);  // 74
void ChangeScript(MethodCall& m);      // 75
void TimerScript(MethodCall& m);       // 76

constexpr MethodRow kRows[] = {
    {71, MouseDownScript},  {72, MouseUpScript}, {73, MouseEnterScript},
    {74, MouseLeaveScript}, {75, ChangeScript},  {76, TimerScript},
};

// The mouse scripts of texts, edits, buttons, pictures (TVXControl) and of
// shapes (TVXShape); the edit and button names them evntMdown ... evntMleave.
using ControlScript = LineList TVXControl::*;
using ShapeScript = LineList TVXShape::*;

void ReplaceMouseScript(MethodCall& m, ControlScript ofControl, ShapeScript ofShape) {
  if (auto* control = As<TVXControl>(m.object)) control->*ofControl = m.EventText(1);
  else if (auto* shape = As<VxShapeObject>(m.object)) shape->Shape.*ofShape = m.EventText(1);
}

void MouseDownScript(MethodCall& m) { ReplaceMouseScript(m, &TVXControl::evntMDown, &TVXShape::evntMDown); }
void MouseUpScript(MethodCall& m) { ReplaceMouseScript(m, &TVXControl::evntMUp, &TVXShape::evntMUp); }
void MouseEnterScript(MethodCall& m) { ReplaceMouseScript(m, &TVXControl::evntMEnter, &TVXShape::evntMEnter); }
void MouseLeaveScript(MethodCall& m) { ReplaceMouseScript(m, &TVXControl::evntMLeave, &TVXShape::evntMLeave); }

void ChangeScript(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->evntCH = m.EventText(1);
}

void TimerScript(MethodCall& m) {
  if (auto* timer = As<TVXTimer>(m.object)) timer->evntTimer = m.EventText(1);
}

}  // namespace

std::span<const MethodRow> EventScriptMethods() { return kRows; }

}  // namespace vx::methods
