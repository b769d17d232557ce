#include "host/component_factory.h"

#include <array>
#include <memory>

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_hosted.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "util/error.h"

namespace vx {

namespace {

using Make = std::unique_ptr<TVXObject> (*)(Application&, TVXForm&);

struct Row {
  PrototypeInfo info;
  Make make;
};

const std::array<Row, 11> kRows = {{
    {{"VEXORELLE_NEW_TEXT", "TVXText", "new_vexorelle_new_text"},
     [](Application&, TVXForm&) -> std::unique_ptr<TVXObject> { return std::make_unique<TVXText>(); }},
    {{"VEXORELLE_NEW_EDIT", "TVXEdit", "new_vexorelle_new_edit"},
     [](Application&, TVXForm& page) -> std::unique_ptr<TVXObject> { return std::make_unique<TVXEdit>(page.Window()); }},
    {{"VEXORELLE_NEW_BUTTON", "TVXButton", "new_vexorelle_new_button"},
     [](Application&, TVXForm& page) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXButton>(page.Window());
     }},
    {{"VEXORELLE_NEW_IMAGE", "TVXImage", "new_vexorelle_new_image"},
     [](Application& app, TVXForm&) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXImage>(app.platform.loop);
     }},
    {{"VEXORELLE_NEW_SHAPE", "TVXShape", "new_vexorelle_new_shape"},
     [](Application&, TVXForm&) -> std::unique_ptr<TVXObject> { return std::make_unique<VxShapeObject>(); }},
    {{"VEXORELLE_NEW_TIMER", "TVXTimer", "new_vexorelle_new_timer"},
     [](Application& app, TVXForm&) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXTimer>(app.platform.loop);
     }},
    // Their companions (graph, position bar, still picture) come with the
    // header, under their final names.
    {{"VEXORELLE_NEW_SOUND", "TVXSound", "new_vexorelle_new_sound"},
     [](Application& app, TVXForm&) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXSound>(app.platform.media);
     }},
    {{"VEXORELLE_NEW_VIDEO", "TVXVideo", "new_vexorelle_new_video"},
     [](Application&, TVXForm&) -> std::unique_ptr<TVXObject> { return std::make_unique<TVXVideo>(); }},
    {{"VEXORELLE_NEW_FLASH", "TVXFlash", "new_vexorelle_new_flash"},
     [](Application& app, TVXForm& page) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXFlash>(app.platform.hosted, page.Window());
     }},
    {{"VEXORELLE_NEW_BROWSER", "TVXBrowser", "new_vexorelle_new_browser"},
     [](Application& app, TVXForm& page) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXBrowser>(app.platform.hosted, page.Window());
     }},
    {{"VEXORELLE_NEW_MPLUGIN", "TVXMPlugin", "new_vexorelle_new_mplugin"},
     [](Application& app, TVXForm& page) -> std::unique_ptr<TVXObject> {
       return std::make_unique<TVXMPlugin>(app.platform.hosted, page.Window());
     }},
}};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const Row* FindRow(std::string_view className) {
  for (const Row& row : kRows)
    if (SameText(row.info.className, className)) return &row;
  return nullptr;
}

}  // namespace

const PrototypeInfo* FindPrototype(std::string_view className) {
  const Row* row = FindRow(className);
  return row != nullptr ? &row->info : nullptr;
}

TVXObject& CloneComponent(Application& app, TVXForm& page, std::string_view prototypeClass) {
  const Row* row = FindRow(prototypeClass);
  if (row == nullptr) throw Error("No prototype of the class " + std::string(prototypeClass) + ".");
  std::unique_ptr<TVXObject> object = row->make(app, page);
  object->Name = std::string(row->info.temporaryName);
  // The prototype's event handlers are the main form's; the clone gets them too.
  TVXForm& main = app.MainForm() != nullptr ? *app.MainForm() : page;
  main.Events().Wire(*object);
  return page.Components().Add(std::move(object));
}

}  // namespace vx
