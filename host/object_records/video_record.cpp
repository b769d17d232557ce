// The video's record: its header makes the graph "FIL" + name, the position
// bar "TRK" + name and the still picture "IMG" + name; field 43 places the
// still picture, whose file (temp + "FIL" + name + ".bmp") nothing writes:
// a missing or unreadable one leaves it empty.

#include <array>

#include "host/application.h"
#include "host/media_playback.h"
#include "host/object_events/object_events.h"
#include "host/object_records/object_record.h"
#include "host/path_macros.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "util/error.h"

namespace vx {

namespace {

TVXVideo& Video(TVXObject& o) { return static_cast<TVXVideo&>(o); }


template <typename T>
T& AddCompanion(TVXForm& page, std::unique_ptr<T> companion, const std::string& name) {
  PageObjects& objects = page.Components();
  companion->Name = name;
  TVXObject& added = objects.Add(std::move(companion));
  page.Events().Wire(added);
  return static_cast<T&>(added);
}

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext& ctx) {
  TVXVideo& v = Video(o);
  const Trailing c(h);
  v.SetVisible(c.Flag(0));
  v.Loop = c.Flag(1);
  v.PlayWithPageStart = c.Flag(2);
  v.Volume = MediaHeaderVolume(c, 3);
  platform::Media& media = ctx.app.platform.media;
  auto& graph = AddCompanion(ctx.page, std::make_unique<TFilterGraph>(media), "FIL" + h.name);
  graph.Place(ctx.page.Components());
  graph.Graph().SetVolume(v.Volume);
  auto& bar = AddCompanion(ctx.page,
                           std::make_unique<TDSTrackBar>(ctx.app.platform.loop, [&graph] { return &graph.Graph(); }),
                           "TRK" + h.name);
  bar.Place(ctx.page.Components());
  v.BindGraph(media, ctx.page.Window(), graph.Graph());
  auto& still = AddCompanion(ctx.page, std::make_unique<TVXImage>(ctx.app.platform.loop), "IMG" + h.name);
  still.SetVisible(false);
  ctx.page.Components().BringToFront(still);
  if (!v.PlayWithPageStart) v.SetVisible(false);
  else SetPendingVideo(ctx.app, ctx.page, v.Name);
}

void Delay(TVXObject& o, const ContainerField& f, RecordContext&) { Video(o).DelayBetweenLoops = Number(f); }
void Speed(TVXObject& o, const ContainerField& f, RecordContext&) { Video(o).Speed = Number(f); }
void Path(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  Video(o).Path = ParsePathDirect(ctx.app, f.decoded);
}

void Still(TVXObject& o, const ContainerField&, RecordContext& ctx) {
  TVXVideo& v = Video(o);
  auto* still = dynamic_cast<TVXImage*>(ctx.page.Components().Find(CompanionName("IMG", v.Name)));
  if (still == nullptr) return;
  still->SetBounds(v.BoundsRect());
  still->Stretch = true;
  still->SetVisible(v.Visible());
  std::string file = ctx.app.tempFolder;
  file += CompanionName("FIL", v.Name);
  file += ".bmp";
  still->ImgPath = file;
  try {
    platform::Files& files = ctx.app.platform.files;
    if (files.FileExists(file)) {
      auto in = files.Open(file, platform::OpenMode::Read);
      const std::string bytes = in->Read(static_cast<std::size_t>(in->Size()));
      auto picture = ctx.app.platform.pictures.Decode(bytes, platform::PictureFormat::Bitmap);
      if (picture && !picture->frames.empty()) still->SetPicture(std::move(*picture), platform::PictureFormat::Bitmap);
    }
  } catch (const Error&) {
    // Nothing writes this file; a bad one is as good as none.
  }
  still->Place(ctx.page.Components());
  if (v.Window() != nullptr) v.Window()->SetStretched(true);
}

void Start(TVXObject& o, const ContainerField& f, RecordContext&) { Video(o).evntStart = Script(f); }
void Finish(TVXObject& o, const ContainerField& f, RecordContext&) { Video(o).evntFinish = Script(f); }

constexpr std::array<FieldRow, 10> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, Delay},
    {41, Speed},
    {42, Path},
    {43, Still},
    {44, Start},
    {45, Finish},
}};

}  // namespace

const KindRecord& VideoRecord() {
  static const KindRecord record{ObjectKind::Video, "TVXVideo", true, Header, kFields};
  return record;
}

}  // namespace vx
