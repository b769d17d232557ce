#include "host/object_records/object_record.h"

#include "host/component_factory.h"
#include "host/pages.h"
#include "host/container_reader.h"
#include "objects/vx_object.h"
#include "util/conversions.h"
#include "values/variables.h"

namespace vx {

const KindRecord* RecordOfKind(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Text: return &TextRecord();
    case ObjectKind::Edit: return &EditRecord();
    case ObjectKind::Button: return &ButtonRecord();
    case ObjectKind::Picture: return &PictureRecord();
    case ObjectKind::Shape: return &ShapeRecord();
    case ObjectKind::Timer: return &TimerRecord();
    case ObjectKind::Sound: return &SoundRecord();
    case ObjectKind::Video: return &VideoRecord();
    case ObjectKind::Flash: return &FlashRecord();
    case ObjectKind::Browser: return &BrowserRecord();
    case ObjectKind::Plugin: return &PluginRecord();
    default: return nullptr;
  }
}

unsigned char Trailing::Code(int i) const {
  const auto at = static_cast<std::size_t>(i);
  return at < header_.trailing.size() ? static_cast<unsigned char>(header_.trailing[at]) : 0;
}

platform::Color Trailing::Color(int i) const {
  return platform::MakeColor(Code(i), Code(i + 1), Code(i + 2));
}

int Trailing::Digit(int i) const {
  const unsigned char c = Code(i);
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

std::string_view Trailing::Char(int i) const {
  const auto at = static_cast<std::size_t>(i);
  return at < header_.trailing.size() ? std::string_view(header_.trailing).substr(at, 1) : std::string_view();
}

char Trailing::Raw(int i) const {
  const std::string& raw = header_.field.raw;
  const std::size_t count = header_.trailing.size();
  const auto at = static_cast<std::size_t>(i);
  // The trailing characters end the field, stored one byte each.
  return at < count && raw.size() >= count ? raw[raw.size() - count + at] : '\0';
}

int Number(const ContainerField& field) { return StrToInt(field.decoded); }
LineList Script(const ContainerField& field) { return StoredScriptLines(field.decoded); }
std::string Hint(const ContainerField& field) { return DecodeEscapes(field.decoded); }

namespace {
TVXControl& Control(TVXObject& object) { return static_cast<TVXControl&>(object); }
}  // namespace

void SetLeft(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::Rect r = o.BoundsRect();
  r.left = Number(f);
  o.SetBounds(r);
}

void SetTop(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::Rect r = o.BoundsRect();
  r.top = Number(f);
  o.SetBounds(r);
}

void SetWidth(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::Rect r = o.BoundsRect();
  r.width = Number(f);
  o.SetBounds(r);
}

void SetHeight(TVXObject& o, const ContainerField& f, RecordContext&) {
  platform::Rect r = o.BoundsRect();
  r.height = Number(f);
  o.SetBounds(r);
}

void SetHint(TVXObject& o, const ContainerField& f, RecordContext&) {
  TVXControl& c = Control(o);
  c.Hint = Hint(f);
  c.ShowHint = !c.Hint.empty();
}

void SetRealCursor(TVXObject& o, const ContainerField& f, RecordContext&) {
  const int n = Number(f);
  TVXControl& c = Control(o);
  c.RealCursor = static_cast<std::int8_t>(n);
  c.Cursor = GetCursorByNum(n);
}

void SetCursorOnly(TVXObject& o, const ContainerField& f, RecordContext&) {
  Control(o).Cursor = GetCursorByNum(Number(f));
}

void SetMouseDown(TVXObject& o, const ContainerField& f, RecordContext&) { Control(o).evntMDown = Script(f); }
void SetMouseUp(TVXObject& o, const ContainerField& f, RecordContext&) { Control(o).evntMUp = Script(f); }
void SetMouseEnter(TVXObject& o, const ContainerField& f, RecordContext&) { Control(o).evntMEnter = Script(f); }
void SetMouseLeave(TVXObject& o, const ContainerField& f, RecordContext&) { Control(o).evntMLeave = Script(f); }

}  // namespace vx
