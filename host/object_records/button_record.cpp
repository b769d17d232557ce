// The button's record.

#include <array>

#include "host/object_records/object_record.h"
#include "objects/vx_button.h"

namespace vx {

namespace {

TVXButton& Button(TVXObject& o) { return static_cast<TVXButton&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  TVXButton& b = Button(o);
  const Trailing c(h);
  b.SetVisible(c.Flag(0));
  b.SetTabStop(c.Flag(1));
  b.SetDefault(c.Flag(2));
  b.SetEnabled(c.Flag(3));
  b.SetShowFocusRect(c.Flag(4));
  b.SetRightToLeft(c.Flag(5));
  // Added to the style the font has.
  platform::FontSpec font = b.Look().font;
  font.bold = font.bold || c.Flag(6);
  font.italic = font.italic || c.Flag(7);
  font.underline = font.underline || c.Flag(8);
  font.strikeOut = font.strikeOut || c.Flag(9);
  b.SetFont(font);
  b.SetFontColor(c.Color(10));
}

void Caption(TVXObject& o, const ContainerField& f, RecordContext&) { Button(o).SetCaption(f.decoded); }

void FontName(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Button(o).Look().font;
  font.name = f.decoded;
  Button(o).SetFont(font);
}

void FontCharset(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Button(o).Look().font;
  font.charset = static_cast<std::uint8_t>(Number(f));
  Button(o).SetFont(font);
}

void FontSize(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Button(o).Look().font;
  font.size = Number(f);
  Button(o).SetFont(font);
}

void TabOrder(TVXObject& o, const ContainerField& f, RecordContext&) { Button(o).SetTabOrder(Number(f)); }

constexpr std::array<FieldRow, 15> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, SetHint},
    {41, Caption},
    {42, FontName},
    {43, FontCharset},
    {44, FontSize},
    {45, TabOrder},
    {46, SetCursorOnly},
    {47, SetMouseDown},
    {48, SetMouseUp},
    {49, SetMouseEnter},
    {50, SetMouseLeave},
}};

}  // namespace

const KindRecord& ButtonRecord() {
  static const KindRecord record{ObjectKind::Button, "TVXButton", true, Header, kFields};
  return record;
}

}  // namespace vx
