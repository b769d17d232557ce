// The media plug-in's record: its host window, and at field 40 the library
// path and the start timer "P" + name, whose tick loads and starts it.

#include <array>

#include "host/application.h"
#include "host/hosted_objects.h"
#include "host/object_records/object_record.h"
#include "host/path_macros.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"

namespace vx {

namespace {

TVXMPlugin& Plugin(TVXObject& o) { return static_cast<TVXMPlugin&>(o); }

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) { Plugin(o).SetVisible(Trailing(h).Flag(0)); }

void PathAndStart(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  TVXMPlugin& plugin = Plugin(o);
  plugin.Place(ctx.page.Components());
  plugin.Path = ParsePathDirect(ctx.app, f.decoded);
  ArmPluginStart(ctx.app, ctx.page, plugin.Name);
}

constexpr std::array<FieldRow, 5> kFields = {{
    {36, SetLeft},
    {37, SetTop},
    {38, SetWidth},
    {39, SetHeight},
    {40, PathAndStart},
}};

}  // namespace

const KindRecord& PluginRecord() {
  static const KindRecord record{ObjectKind::Plugin, "TVXMPlugin", true, Header, kFields};
  return record;
}

}  // namespace vx
