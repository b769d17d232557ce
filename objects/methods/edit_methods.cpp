// Methods 25-37: the edit box's password character, length, tab order,
// character case, hover and focus colours, select-all, border and bevels.

#include "objects/methods/families.h"
#include "objects/vx_hosted.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_shape.h"
#include "util/code_tables.h"

namespace vx::methods {

namespace {

void PasswordChar(MethodCall& m);    // 25
void MaxLength(MethodCall& m);       // 26
void TabOrder(MethodCall& m);        // 27
void CharCase(MethodCall& m);        // 28
void HoverColour(MethodCall& m);     // 29
void HoverFontColour(MethodCall& m); // 30
void EnterColour(MethodCall& m);     // 31
void EnterFontColour(MethodCall& m); // 32
void AutoSelect(MethodCall& m);      // 33
void Border(MethodCall& m);          // 34
void BevelInner(MethodCall& m);      // 35
void BevelOuter(MethodCall& m);      // 36
void BevelKind(MethodCall& m);       // 37

constexpr MethodRow kRows[] = {
    {25, PasswordChar}, {26, MaxLength},       {27, TabOrder},    {28, CharCase},
    {29, HoverColour},  {30, HoverFontColour}, {31, EnterColour}, {32, EnterFontColour},
    {33, AutoSelect},   {34, Border},          {35, BevelInner},  {36, BevelOuter},
    {37, BevelKind},
};

void PasswordChar(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) {
    const std::string text = m.Text(1);
    edit->SetPasswordChar(text.empty() ? '\0' : text[0]);
  }
}

void MaxLength(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetMaxLength(m.Int(1));
}

void TabOrder(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->MoveInTabOrder(m.Int(1));
  else if (auto* button = As<TVXButton>(m.object)) button->MoveInTabOrder(m.Int(1));
  else if (auto* browser = As<TVXBrowser>(m.object)) browser->MoveInTabOrder(m.Int(1));
}

void CharCase(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetCharCase(CharCaseFromCode(m.Int(1), edit->CharCase()));
}

void HoverColour(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->ColorHover = m.Colour(1);
}

void HoverFontColour(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->ColorHoverF = m.Colour(1);
}

void EnterColour(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->ColorEnter = m.Colour(1);
}

void EnterFontColour(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->ColorEnterF = m.Colour(1);
}

void AutoSelect(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetAutoSelect(m.Flag(1));
}

// Shapes: the outline style; edits: the border; browsers (as a flag) their
// 3-D borders.
void Border(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Pen pen = shape->Shape.Pen();
    pen.style = PenStyleFromCode(m.Int(1), pen.style);
    shape->Shape.SetPen(pen);
  } else if (auto* edit = As<TVXEdit>(m.object)) {
    edit->SetBorderStyle(BorderStyleFromCode(m.Int(1), edit->BorderStyle()));
  } else if (auto* browser = As<TVXBrowser>(m.object)) {
    browser->SetUiFlag(platform::kDontUse3DBorders, !m.Flag(1));
  }
}

void BevelInner(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetBevelInner(BevelCutFromCode(m.Int(1), edit->BevelInner()));
}

void BevelOuter(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetBevelOuter(BevelCutFromCode(m.Int(1), edit->BevelOuter()));
}

void BevelKind(MethodCall& m) {
  if (auto* edit = As<TVXEdit>(m.object)) edit->SetBevelKind(BevelKindFromCode(m.Int(1), edit->BevelKind()));
}

}  // namespace

std::span<const MethodRow> EditMethods() { return kRows; }

}  // namespace vx::methods
