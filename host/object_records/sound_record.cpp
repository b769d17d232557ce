// The sound's record: its header makes the hidden position bar "SND" + name
// and, for a sound that plays with its page, the start timer "TIM" + its
// component name.

#include <array>

#include "host/application.h"
#include "host/media_playback.h"
#include "host/object_events/object_events.h"
#include "host/object_records/object_record.h"
#include "host/path_macros.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_media.h"
#include "util/conversions.h"
#include "util/error.h"

namespace vx {

namespace {

TVXSound& Sound(TVXObject& o) { return static_cast<TVXSound&>(o); }

void AutoAudioPlay(Application& app, TVXForm& page, TNamedTimer& timer) {
  if (TVXForm* main = app.MainForm()) main->Events().AutoAudioPlayTimer(page, timer);
}

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext& ctx) {
  TVXSound& s = Sound(o);
  const Trailing c(h);
  s.Loop = c.Flag(0);
  s.PlayWithPageStart = c.Flag(1);
  s.Graph().SetVolume(MediaHeaderVolume(c, 2));
  s.LoopCount = 0;
  if (s.PlayWithPageStart) CreatePageTimer(ctx.app, ctx.page, "TIM" + s.Name, 1, AutoAudioPlay).SetEnabled(true);
  AddSoundTrackBar(ctx.app, ctx.page, s, h.name);
}

void Delay(TVXObject& o, const ContainerField& f, RecordContext&) { Sound(o).DelayBetweenLoops = Number(f); }
void Loops(TVXObject& o, const ContainerField& f, RecordContext&) { Sound(o).NumberOfLoops = Number(f); }
void File(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  Sound(o).FileName = ParsePathDirect(ctx.app, f.decoded);
}
void Start(TVXObject& o, const ContainerField& f, RecordContext&) { Sound(o).evntStart = Script(f); }
void Finish(TVXObject& o, const ContainerField& f, RecordContext&) { Sound(o).evntFinish = Script(f); }

// Fields 36 and 37 are read and ignored.
constexpr std::array<FieldRow, 5> kFields = {{
    {38, Delay},
    {39, Loops},
    {40, File},
    {41, Start},
    {42, Finish},
}};

}  // namespace

int MediaHeaderVolume(const Trailing& trailing, int first) {
  std::string digits;
  for (int i = first; i < first + 4; ++i) digits += trailing.Char(i);
  // Fewer than four characters, or no number: the record's number error.
  if (digits.size() != 4) throw NotAnInteger(digits);
  return StrToInt(digits);
}

TDSTrackBar& AddSoundTrackBar(Application& app, TVXForm& page, TVXSound& sound, const std::string& name) {
  PageObjects& objects = page.Components();
  auto bar = std::make_unique<TDSTrackBar>(app.platform.loop, [&sound] { return &sound.Graph(); });
  bar->Name = "SND" + name;
  TVXObject& added = objects.Add(std::move(bar));
  page.Events().Wire(added);
  added.Place(objects);
  return static_cast<TDSTrackBar&>(added);
}

const KindRecord& SoundRecord() {
  static const KindRecord record{ObjectKind::Sound, "TVXSound", false, Header, kFields};
  return record;
}

}  // namespace vx
