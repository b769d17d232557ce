// The browser's record. Its geometry, tab order and cursor go to its entry
// of the deferred-navigation list; the first tick of "NAV" places it and
// navigates it to DefPath once loading is over.

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

TVXBrowser& Browser(TVXObject& o) { return static_cast<TVXBrowser&>(o); }

HostedObjects::DeferredNavigation& Entry(TVXObject& o, RecordContext& ctx) {
  auto& list = ctx.app.hosting->deferred;
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (it->page == &ctx.page && it->component == o.Name) return *it;
  return list.emplace_back(HostedObjects::DeferredNavigation{&ctx.page, o.Name});
}

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext& ctx) {
  TVXBrowser& b = Browser(o);
  const Trailing c(h);
  b.SetVisible(c.Flag(0));
  b.SetTabStop(c.Flag(1));
  platform::WebBrowser& control = b.Browser();
  control.SetAcceptDroppedFiles(c.Flag(2));
  // t3 set: the browser's own menu, as 58 with true gives it; clear: none.
  control.SetOwnContextMenu(c.Flag(3));
  control.SetOffline(c.Flag(4));
  b.SetUiFlag(platform::kDisableTextSelect, !c.Flag(5));
  b.SetUiFlag(platform::kDontUse3DBorders, !c.Flag(6));
  b.SetUiFlag(platform::kDontUseScrollBars, !c.Flag(7));
  ctx.app.hosting->deferred.push_back({&ctx.page, b.Name});
}

void Left(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).left = Number(f); }
void Top(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).top = Number(f); }
void Width(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).width = Number(f); }
void Height(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).height = Number(f); }
void TabOrder(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).tabOrder = Number(f); }
void Cursor(TVXObject& o, const ContainerField& f, RecordContext& ctx) { Entry(o, ctx).cursor = Number(f); }
void DefPath(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  Browser(o).DefPath = ParsePathDirect(ctx.app, f.decoded);
}
void BN(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntBN = Script(f); }
void AN(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntAN = Script(f); }
void NW(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntNW = Script(f); }
void PC(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntPC = Script(f); }
void SC(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntSC = Script(f); }
void TC(TVXObject& o, const ContainerField& f, RecordContext&) { Browser(o).evntTC = Script(f); }
void AC(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  Browser(o).evntAC = Script(f);
  // The loader places it after this, its last field.
  ArmDeferredNavigation(ctx.app);
}

constexpr std::array<FieldRow, 15> kFields = {{
    {36, Left},
    {37, Top},
    {38, Width},
    {39, Height},
    {40, TabOrder},
    {41, Cursor},
    {42, DefPath},
    {43, SetHint},
    {44, BN},
    {45, AN},
    {46, NW},
    {47, PC},
    {48, SC},
    {49, TC},
    {50, AC},
}};

}  // namespace

const KindRecord& BrowserRecord() {
  static const KindRecord record{ObjectKind::Browser, "TVXBrowser", true, Header, kFields};
  return record;
}

}  // namespace vx
