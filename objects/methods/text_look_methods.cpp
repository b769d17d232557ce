// Methods 12-24: captions, fonts, colours, layout and alignment, word wrap
// and focus rectangle, transparency, ColorEvents and automatic size.

#include <string>

#include "objects/methods/families.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "util/code_tables.h"

namespace vx::methods {

namespace {

void Caption(MethodCall& m);      // 12
void Font(MethodCall& m);         // 13
void FontColour(MethodCall& m);   // 14
void Colour(MethodCall& m);       // 15
void HoverColour(MethodCall& m);  // 16
void ClickColour(MethodCall& m);  // 17
void Layout(MethodCall& m);       // 18
void Alignment(MethodCall& m);    // 19
void WordWrap(MethodCall& m);     // 20
void Transparent(MethodCall& m);  // 22
void ColorEvents(MethodCall& m);  // 23
void AutoSize(MethodCall& m);     // 24

constexpr MethodRow kRows[] = {
    {12, Caption},     {13, Font},      {14, FontColour}, {15, Colour},
    {16, HoverColour}, {17, ClickColour}, {18, Layout},   {19, Alignment},
    {20, WordWrap},    {22, Transparent}, {23, ColorEvents}, {24, AutoSize},
};

void Caption(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->Caption = m.Text(1);
    text->Changed();
  } else if (auto* edit = As<TVXEdit>(m.object)) {
    edit->SetText(m.Text(1));
  } else if (auto* button = As<TVXButton>(m.object)) {
    button->SetCaption(m.Text(1));
  }
}

void Font(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->Font = m.Font(1);
    text->Changed();
  } else if (auto* native = As<TVXNativeControl>(m.object)) {
    native->SetFont(m.Font(1));
  }
}

void FontColour(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->FontColor = m.Colour(1);
    text->Changed();
  } else if (auto* native = As<TVXNativeControl>(m.object)) {
    native->SetFontColor(m.Colour(1));
  }
}

void Colour(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    // A text's ColorNormal is a font colour: given the background colour,
    // the text would vanish into its box at the next mouse leave.
    text->Color = m.Colour(1);
    text->Changed();
  } else if (auto* edit = As<TVXEdit>(m.object)) {
    const platform::Color c = m.Colour(1);
    edit->SetColor(c);
    edit->ColorNormal = c;
  } else if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Brush brush = shape->Shape.Brush();
    brush.color = m.Colour(1);
    shape->Shape.SetBrush(brush);
  }
}

void HoverColour(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) text->ColorHover = m.Colour(1);
  else if (auto* edit = As<TVXEdit>(m.object)) edit->ColorHover = m.Colour(1);
}

void ClickColour(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) text->ColorClick = m.Colour(1);
}

void Layout(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->Layout = LayoutFromCode(std::to_string(m.Int(1)));
    text->Changed();
  }
}

void Alignment(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->Alignment = AlignmentFromCode(std::to_string(m.Int(1)));
    text->Changed();
  }
}

void WordWrap(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->WordWrap = m.Flag(1);
    text->Changed();
  } else if (auto* button = As<TVXButton>(m.object)) {
    button->SetShowFocusRect(m.Flag(1));
  }
}

void Transparent(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->Transparent = m.Flag(1);
    text->Changed();
  }
}

void ColorEvents(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) text->ColorEvents = m.Flag(1);
  else if (auto* edit = As<TVXEdit>(m.object)) edit->ColorEvents = m.Flag(1);
}

void AutoSize(MethodCall& m) {
  if (auto* text = As<TVXText>(m.object)) {
    text->AutoSize = m.Flag(1);
    text->Changed();
  } else if (auto* edit = As<TVXEdit>(m.object)) {
    edit->SetAutoSize(m.Flag(1));
  }
}

}  // namespace

std::span<const MethodRow> TextLookMethods() { return kRows; }

}  // namespace vx::methods
