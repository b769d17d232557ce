// The script timer's record.

#include <array>

#include "host/object_records/object_record.h"
#include "objects/vx_timer.h"

namespace vx {

namespace {

TVXTimer& Timer(TVXObject& o) { return static_cast<TVXTimer&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  Timer(o).SetEnabled(Trailing(h).Flag(0));
  Timer(o).TickCount = 0;
}

void Interval(TVXObject& o, const ContainerField& f, RecordContext&) {
  const int ms = Number(f);
  // A negative interval cannot be set on a timer; it stops it.
  if (ms <= 0) Timer(o).SetEnabled(false);
  Timer(o).SetInterval(ms > 0 ? static_cast<unsigned>(ms) : 0U);
}

void Loops(TVXObject& o, const ContainerField& f, RecordContext&) { Timer(o).NumberOfLoops = Number(f); }
void TimerScript(TVXObject& o, const ContainerField& f, RecordContext&) { Timer(o).evntTimer = Script(f); }

constexpr std::array<FieldRow, 3> kFields = {{
    {36, Interval},
    {37, Loops},
    {38, TimerScript},
}};

}  // namespace

const KindRecord& TimerRecord() {
  static const KindRecord record{ObjectKind::Timer, "TVXTimer", false, Header, kFields};
  return record;
}

}  // namespace vx
