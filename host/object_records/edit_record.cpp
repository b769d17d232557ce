// The edit box's record.

#include <array>

#include "host/object_records/object_record.h"
#include "objects/vx_edit.h"
#include "util/code_tables.h"

namespace vx {

namespace {

TVXEdit& Edit(TVXObject& o) { return static_cast<TVXEdit&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  TVXEdit& e = Edit(o);
  const Trailing c(h);
  e.SetVisible(c.Flag(0));
  e.SetTabStop(c.Flag(1));
  e.SetReadOnly(c.Flag(2));
  e.SetAutoSelect(c.Flag(3));
  e.SetRightToLeft(c.Flag(4));
  e.SetEnabled(c.Flag(5));
  e.ColorEvents = c.Flag(6);
  e.SetAutoSize(c.Flag(7));
  e.SetCtl3D(c.Flag(8));
  platform::FontSpec font = e.Look().font;
  font.bold = c.Flag(9);
  font.italic = c.Flag(10);
  font.underline = c.Flag(11);
  font.strikeOut = c.Flag(12);
  e.SetFont(font);
  // The authoring tool stores this one byte undecoded.
  e.SetPasswordChar(c.Raw(13));
  e.SetCharCase(CharCaseFromCode(c.Digit(14), e.CharCase()));
  e.SetBevelInner(BevelCutFromCode(c.Digit(15), e.BevelInner()));
  e.SetBevelOuter(BevelCutFromCode(c.Digit(16), e.BevelOuter()));
  e.SetBevelKind(BevelKindFromCode(c.Digit(17), e.BevelKind()));
  e.SetBorderStyle(BorderStyleFromCode(c.Digit(18), e.BorderStyle()));
  e.SetFontColor(c.Color(19));
  e.ColorNormalF = c.Color(19);
  e.SetColor(c.Color(22));
  e.ColorNormal = c.Color(22);
  e.ColorHover = c.Color(25);
  e.ColorHoverF = c.Color(28);
  e.ColorEnter = c.Color(31);
  e.ColorEnterF = c.Color(34);
}

void SetText(TVXObject& o, const ContainerField& f, RecordContext&) { Edit(o).SetText(f.decoded); }

void FontName(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Edit(o).Look().font;
  font.name = f.decoded;
  Edit(o).SetFont(font);
}

void FontCharset(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Edit(o).Look().font;
  font.charset = static_cast<std::uint8_t>(Number(f));
  Edit(o).SetFont(font);
}

void FontSize(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::FontSpec font = Edit(o).Look().font;
  font.size = Number(f);
  Edit(o).SetFont(font);
}

void MaxLength(TVXObject& o, const ContainerField& f, RecordContext&) { Edit(o).SetMaxLength(Number(f)); }
void TabOrder(TVXObject& o, const ContainerField& f, RecordContext&) { Edit(o).SetTabOrder(Number(f)); }
void Change(TVXObject& o, const ContainerField& f, RecordContext&) { Edit(o).evntCH = Script(f); }

constexpr std::array<FieldRow, 17> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, SetHint},
    {41, SetText},
    {42, FontName},
    {43, FontCharset},
    {44, FontSize},
    {45, MaxLength},
    {46, TabOrder},
    {47, SetRealCursor},
    {48, Change},
    {49, SetMouseDown},
    {50, SetMouseUp},
    {51, SetMouseEnter},
    {52, SetMouseLeave},
}};

}  // namespace

const KindRecord& EditRecord() {
  static const KindRecord record{ObjectKind::Edit, "TVXEdit", true, Header, kFields};
  return record;
}

}  // namespace vx
