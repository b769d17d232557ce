#pragma once
// The record of one object kind: what its header's trailing characters set
// and a table of its fields 36 onward. One file per kind.

#include <span>
#include <string>
#include <string_view>

#include "host/container_target.h"
#include "platform/types.h"
#include "util/lines.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;
class TVXControl;

// What a record step may reach besides its object.
struct RecordContext {
  Application& app;
  TVXForm& page;
  int& imageCounter;  // pictures loaded so far, across all pages
};

using HeaderStep = void (*)(TVXObject& object, const ObjectHeaderRecord& header, RecordContext& ctx);
using FieldStep = void (*)(TVXObject& object, const ContainerField& field, RecordContext& ctx);

struct FieldRow {
  int counter;
  FieldStep apply;
};

struct KindRecord {
  ObjectKind kind;
  std::string_view className;
  bool visual;  // hints on, mouse handlers
  HeaderStep header;
  std::span<const FieldRow> fields;
};

// Nothing for the kinds this loader does not make.
const KindRecord* RecordOfKind(ObjectKind kind);

const KindRecord& TextRecord();
const KindRecord& EditRecord();
const KindRecord& ButtonRecord();
const KindRecord& PictureRecord();
const KindRecord& ShapeRecord();
const KindRecord& TimerRecord();
const KindRecord& SoundRecord();
const KindRecord& VideoRecord();
const KindRecord& FlashRecord();
const KindRecord& BrowserRecord();
const KindRecord& PluginRecord();

// The header's trailing characters t0, t1, ... by the conventions of the
// records: flags are bytes, colours three bytes, digits decimal characters.
// A position the header does not have reads as 0x00.
class Trailing {
 public:
  explicit Trailing(const ObjectHeaderRecord& header) : header_(header) {}
  unsigned char Code(int i) const;
  bool Flag(int i) const { return Code(i) != 0; }
  platform::Color Color(int i) const;
  // -1 for a character that is no digit.
  int Digit(int i) const;
  std::string_view Char(int i) const;
  // As stored in the container, before decoding.
  char Raw(int i) const;

 private:
  const ObjectHeaderRecord& header_;
};

// A media header's volume: the four characters from first, as digits; a
// shorter or non-numeric text is the record's number error.
int MediaHeaderVolume(const Trailing& trailing, int first);
// The hidden position bar "SND" + name of a sound (records and command 40).
class TVXSound;
class TDSTrackBar;
TDSTrackBar& AddSoundTrackBar(Application& app, TVXForm& page, TVXSound& sound, const std::string& name);

// The value forms of the fields.
int Number(const ContainerField& field);
LineList Script(const ContainerField& field);
std::string Hint(const ContainerField& field);

// Steps every visual kind shares, on a TVXControl.
void SetLeft(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetTop(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetWidth(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetHeight(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetHint(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetRealCursor(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetCursorOnly(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetMouseDown(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetMouseUp(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetMouseEnter(TVXObject& object, const ContainerField& field, RecordContext& ctx);
void SetMouseLeave(TVXObject& object, const ContainerField& field, RecordContext& ctx);

}  // namespace vx
