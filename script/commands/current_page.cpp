#include "script/commands/current_page.h"

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "util/error.h"

namespace vx::commands {

TVXForm& CurrentPageForm(CommandContext& c) {
  Application& app = c.App();
  TVXForm* form = app.FormOf(GetFormByNum(app, CurrentPageNumber(app)));
  if (form == nullptr) throw Error(kMissingObjectMessage);
  return *form;
}

}  // namespace vx::commands
