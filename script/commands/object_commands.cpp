// Objects made at run time (command 40): a new component of a kind on the
// current page, named "OBJ" + name like every loaded object, so that object
// methods and events reach it by its name.

#include <optional>
#include <string_view>

#include "host/application.h"
#include "host/component_factory.h"
#include "host/object_records/object_record.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_media.h"
#include "objects/vx_shape.h"
#include "script/app_thread.h"
#include "script/commands/families.h"
#include "util/error.h"

namespace vx::commands {

namespace {

void CreateObject(CommandContext& c);  // 40

constexpr CommandRow kRows[] = {
    {40, CreateObject},
};

// Kinds as scripts name them (lower case).
struct KindRow {
  std::string_view kind;
  std::string_view className;
  std::optional<TShapeType> shape;
};
constexpr KindRow kKinds[] = {
    {"text", "TVXText", std::nullopt},       {"edit", "TVXEdit", std::nullopt},
    {"button", "TVXButton", std::nullopt},   {"image", "TVXImage", std::nullopt},
    {"rectangle", "TVXShape", stRectangle},  {"circle", "TVXShape", stEllipse},
    {"line", "TVXShape", stLine},            {"hotspot", "TVXShape", stHotSpot},
    {"timer", "TVXTimer", std::nullopt},     {"sound", "TVXSound", std::nullopt},
    {"flash", "TVXFlash", std::nullopt},     {"browser", "TVXBrowser", std::nullopt},
};

std::string Lower(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

const KindRow* FindKind(std::string_view kind) {
  for (const KindRow& row : kKinds)
    if (row.kind == kind) return &row;
  return nullptr;
}

void Make(Application& app, const KindRow& row, const std::string& name) {
  TVXForm* page = app.FormOf(GetFormByNum(app, CurrentPageNumber(app)));
  if (page == nullptr) throw Error("no current page");
  PageObjects& objects = page->Components();
  const std::string componentName = "OBJ" + name;
  // The toolkit refuses a second component of one name on a page; a sound
  // also needs its position bar's name.
  if (objects.Find(componentName) != nullptr) throw Error("duplicate name");
  if (row.kind == "sound" && objects.Find("SND" + name) != nullptr) throw Error("duplicate name");
  TVXObject& object = CloneComponent(app, *page, row.className);
  try {
    object.Name = componentName;
    if (row.shape) dynamic_cast<VxShapeObject&>(object).Shape.SetShape(*row.shape);
    object.Place(objects);
    if (auto* control = dynamic_cast<TVXControl*>(&object)) control->ShowHint = true;
    // A timer is made switched off; the script starts it by its name. A
    // sound gets its hidden position bar "SND" + name, as a loaded one.
    if (row.kind == "timer")
      object.SetEnabled(false);
    else if (row.kind == "sound")
      AddSoundTrackBar(app, *page, static_cast<TVXSound&>(object), name);
    else
      object.SetVisible(true);
  } catch (const std::exception&) {
    objects.Retire(object);
    throw;
  }
}

void CreateObject(CommandContext& c) {
  Application& app = c.App();
  const std::string kind = Lower(c.S(1));
  const std::string name = Lower(c.S(2));
  const std::string failure = "Failed creating the component with name \"" + name + "\".";
  const KindRow* row = FindKind(kind);
  if (row == nullptr) throw Error(failure);
  bool made = false;
  // The pages belong to the main thread; a script thread waits for it.
  ThreadObjAction(c.thread, [&] {
    try {
      Make(app, *row, name);
      made = true;
    } catch (const std::exception&) {
      made = false;
    }
  });
  if (!made) throw Error(failure);
}

}  // namespace

std::span<const CommandRow> ObjectCommands() { return kRows; }

}  // namespace vx::commands
