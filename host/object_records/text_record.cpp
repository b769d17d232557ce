// The text object's record.

#include <array>

#include "host/object_records/object_record.h"
#include "objects/vx_text.h"
#include "util/code_tables.h"
#include "util/conversions.h"

namespace vx {

namespace {

TVXText& Text(TVXObject& o) { return static_cast<TVXText&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  TVXText& t = Text(o);
  const Trailing c(h);
  t.SetVisible(c.Flag(0));
  t.WordWrap = c.Flag(1);
  t.Font.bold = c.Flag(2);
  t.Font.italic = c.Flag(3);
  t.Font.underline = c.Flag(4);
  t.Font.strikeOut = c.Flag(5);
  t.FontColor = c.Color(6);
  t.ColorNormal = t.FontColor;
  t.RightToLeft = c.Flag(9);
  t.Transparent = c.Flag(10);
  t.Layout = LayoutFromCode(c.Char(11));
  t.AutoSize = c.Flag(12);
  t.Alignment = AlignmentFromCode(c.Char(13));
  t.ColorEvents = c.Flag(14);
  t.Color = c.Color(15);
  t.ColorHover = c.Color(18);
  t.ColorClick = c.Color(21);
}

// Left and the enabled digit share the field: "1011" is left 100, enabled.
void LeftAndEnabled(TVXObject& o, const ContainerField& f, RecordContext&) {
  const std::string_view text = f.decoded;
  const std::string_view left = text.substr(0, text.empty() ? 0 : text.size() - 1);
  const std::string_view digit = text.empty() ? text : text.substr(text.size() - 1);
  platform::Rect r = o.BoundsRect();
  r.left = StrToInt(left) - 1;
  o.SetBounds(r);
  o.SetEnabled(StrToInt(digit) > 0);
}

void TopMinusOne(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::Rect r = o.BoundsRect();
  r.top = Number(f) - 1;
  o.SetBounds(r);
}

void Caption(TVXObject& o, const ContainerField& f, RecordContext&) { Text(o).Caption = f.decoded; }
void FontName(TVXObject& o, const ContainerField& f, RecordContext&) { Text(o).Font.name = f.decoded; }
void FontCharset(TVXObject& o, const ContainerField& f, RecordContext&) {
  Text(o).Font.charset = static_cast<std::uint8_t>(Number(f));
}
void FontSize(TVXObject& o, const ContainerField& f, RecordContext&) { Text(o).Font.size = Number(f); }

constexpr std::array<FieldRow, 14> kFields = {{
    {36, LeftAndEnabled},
    {37, TopMinusOne},
    {38, SetWidth},
    {39, SetHeight},
    {40, SetHint},
    {41, Caption},
    {42, FontName},
    {43, FontCharset},
    {44, FontSize},
    {45, SetRealCursor},
    {46, SetMouseDown},
    {47, SetMouseUp},
    {48, SetMouseEnter},
    {49, SetMouseLeave},
}};

}  // namespace

const KindRecord& TextRecord() {
  static const KindRecord record{ObjectKind::Text, "TVXText", true, Header, kFields};
  return record;
}

}  // namespace vx
