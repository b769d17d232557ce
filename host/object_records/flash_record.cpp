// The Flash movie's record. A missing player never gets here: the loader
// skips the header and its fields, or ends the program (hosted_objects.h).

#include <array>

#include "host/application.h"
#include "host/object_records/object_record.h"
#include "host/path_macros.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "util/conversions.h"

namespace vx {

namespace {

TVXFlash& Flash(TVXObject& o) { return static_cast<TVXFlash&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  TVXFlash& f = Flash(o);
  const Trailing c(h);
  f.SetVisible(c.Flag(0));
  // Playing and loop wait for field 45.
  f.Playing = c.Flag(1);
  f.Loop = c.Flag(2);
  platform::FlashPlayer& player = f.Player();
  player.SetMenu(c.Flag(3));
  player.SetQuality(c.Code(4));
  player.SetScaleMode(c.Code(5));
  player.SetBackgroundColor(ColorToHex(c.Color(6)));
}

void Movie(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  Flash(o).Player().SetMovie(ParsePathDirect(ctx.app, f.decoded));
}
void Frame(TVXObject& o, const ContainerField& f, RecordContext&) { Flash(o).Player().SetFrameNum(Number(f)); }
void HintOn(TVXObject& o, const ContainerField& f, RecordContext&) {
  Flash(o).Hint = Hint(f);
  Flash(o).ShowHint = true;
}
void FsScript(TVXObject& o, const ContainerField& f, RecordContext&) { Flash(o).evntFS = Script(f); }
void CallScript(TVXObject& o, const ContainerField& f, RecordContext&) {
  TVXFlash& flash = Flash(o);
  flash.evntFC = Script(f);
  flash.Player().SetLoop(flash.Loop);
  if (flash.Playing) flash.Player().Play();
  else flash.Player().Stop();
}

constexpr std::array<FieldRow, 10> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, Movie},
    {41, SetRealCursor},
    {42, Frame},
    {43, HintOn},
    {44, FsScript},
    {45, CallScript},
}};

}  // namespace

const KindRecord& FlashRecord() {
  static const KindRecord record{ObjectKind::Flash, "TVXFlash", true, Header, kFields};
  return record;
}

}  // namespace vx
