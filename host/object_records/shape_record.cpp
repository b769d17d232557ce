// The shape's record: figures and hot areas.

#include <array>

#include "host/object_records/object_record.h"
#include "objects/vx_shape.h"
#include "host/component_factory.h"
#include "host/pages.h"
#include "util/code_tables.h"
#include "util/conversions.h"

namespace vx {

namespace {

VxShapeObject& Shape(TVXObject& o) { return static_cast<VxShapeObject&>(o); }

struct FormRow {
  TShapeType kind;
  TShapeType withVariant;  // the kind when t4 is set
  bool reverse;             // t4 reverses the line
  bool clearPen;            // an invisible hot area
};

// Row i is form code i + 1.
constexpr std::array<FormRow, 8> kForms = {{
    {stRectangle, stRoundRect, false, false},
    {stEllipse, stEllipse, false, false},
    {stLine, stLine, true, false},
    {stPolygon, stPolygon, false, false},
    {stPolyline, stPolyline, false, false},
    {stPolyBezier, stPolyBezier, false, false},
    {stRectangle, stRectangle, false, false},
    {stPolygon, stPolygon, false, true},
}};

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  VxShapeObject& object = Shape(o);
  TVXShape& s = object.Shape;
  const Trailing c(h);
  object.SetVisible(c.Flag(0));
  object.SetEnabled(c.Flag(1));
  s.ShowHint = true;
  platform::Brush brush = s.Brush();
  brush.style = BrushStyleFromCode(c.Code(2), brush.style);
  brush.color = c.Color(6);
  platform::Pen pen = s.Pen();
  pen.style = PenStyleFromCode(c.Code(3), pen.style);
  const bool variant = c.Flag(4);
  if (c.Flag(5)) pen.mode = platform::PenMode::Invert;
  pen.color = c.Color(9);
  const int form = c.Code(12);
  object.Tag = form;
  if (form >= 1 && form <= static_cast<int>(kForms.size())) {
    const FormRow& row = kForms[static_cast<std::size_t>(form - 1)];
    s.SetShape(variant ? row.withVariant : row.kind);
    if (row.reverse) s.SetReverse(variant);
    if (row.clearPen) pen.style = platform::PenStyle::Clear;
  }
  s.SetBrush(brush);
  s.SetPen(pen);
}

// The hint up to the first 0x01, then points 0x01 x "," y.
void HintAndPoints(TVXObject& o, const ContainerField& f, RecordContext&) {
  VxShapeObject& object = Shape(o);
  const std::string text = Hint(f);
  const auto first = text.find('\x01');
  object.Hint = text.substr(0, first);
  object.Shape.ShowHint = !object.Hint.empty();
  object.Shape.Points.clear();
  std::size_t at = first;
  while (at != std::string::npos) {
    const auto next = text.find('\x01', at + 1);
    const std::string_view point = std::string_view(text).substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
    const auto comma = point.find(',');
    const std::string_view x = point.substr(0, comma);
    const std::string_view y = comma == std::string_view::npos ? std::string_view() : point.substr(comma + 1);
    object.Shape.Points.push_back({StrToInt(x), StrToInt(y)});
    at = next;
  }
  object.Shape.Invalidate();
}

void Cursor(TVXObject& o, const ContainerField& f, RecordContext&) {
  const int n = Number(f);
  Shape(o).Shape.RealCursor = static_cast<std::int8_t>(n);
  Shape(o).Shape.Cursor = GetCursorByNum(n);
}

void MouseDown(TVXObject& o, const ContainerField& f, RecordContext&) { Shape(o).Shape.evntMDown = Script(f); }
void MouseUp(TVXObject& o, const ContainerField& f, RecordContext&) { Shape(o).Shape.evntMUp = Script(f); }
void MouseEnter(TVXObject& o, const ContainerField& f, RecordContext&) { Shape(o).Shape.evntMEnter = Script(f); }
void MouseLeave(TVXObject& o, const ContainerField& f, RecordContext&) { Shape(o).Shape.evntMLeave = Script(f); }

constexpr std::array<FieldRow, 10> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, HintAndPoints},
    {41, Cursor},
    {42, MouseDown},
    {43, MouseUp},
    {44, MouseEnter},
    {45, MouseLeave},
}};

}  // namespace

const KindRecord& ShapeRecord() {
  static const KindRecord record{ObjectKind::Shape, "TVXShape", true, Header, kFields};
  return record;
}

}  // namespace vx
