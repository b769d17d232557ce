// Command 40: an object made at run time on the current page. Only the
// kind "sound" is made here so far: a sound reachable as "OBJ" + name like
// a loaded one, with its hidden position bar "SND" + name.

#include <string>

#include "host/application.h"
#include "host/component_factory.h"
#include "host/object_records/object_record.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_media.h"
#include "script/commands/families.h"
#include "util/error.h"

namespace vx::commands {

namespace {

void CreateObject(CommandContext& c);  // 40

constexpr CommandRow kRows[] = {
    {40, CreateObject},
};

std::string Lower(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

void CreateObject(CommandContext& c) {
  const std::string kind = Lower(c.S(1));
  const std::string name = Lower(c.S(2));
  const Error failed("Failed creating the component with name \"" + name + "\".");
  Application& app = c.App();
  TVXForm* page = app.FormOf(GetFormByNum(app, CurrentPageNumber(app)));
  if (page == nullptr || kind != "sound") throw failed;
  PageObjects& objects = page->Components();
  if (objects.Find("OBJ" + name) != nullptr || objects.Find("SND" + name) != nullptr) throw failed;
  try {
    auto& sound = static_cast<TVXSound&>(CloneComponent(app, *page, "TVXSound"));
    sound.Name = "OBJ" + name;
    sound.Place(objects);
    AddSoundTrackBar(app, *page, sound, name);
  } catch (const Error&) {
    throw failed;
  }
}

}  // namespace

std::span<const CommandRow> ObjectCommands() { return kRows; }

}  // namespace vx::commands
