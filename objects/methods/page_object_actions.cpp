#include "objects/methods/page_object_actions.h"

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/methods/object_methods.h"
#include "objects/page_objects.h"
#include "script/app_thread.h"

namespace vx {

std::string PageObjectActions::CurrentPageName() {
  const int n = CurrentPageNumber(app_);
  if (n < 1 || static_cast<std::size_t>(n) >= app_.formDB.size()) return "";
  return app_.formDB[static_cast<std::size_t>(n)].Name;
}

int PageObjectActions::PageNumberByName(const std::string& pageName) { return vx::PageNumberByName(app_, pageName); }

bool PageObjectActions::PageHasComponent(int pageNumber, const std::string& componentName) {
  TVXForm* page = app_.FormOf(GetFormByNum(app_, pageNumber));
  return page != nullptr && page->Components().Find(componentName) != nullptr;
}

void PageObjectActions::DoObjAction(const ScriptThread& thread, const std::string& method,
                                    const std::string& objectName, int pageNumber) {
  ThreadObjAction(thread, [&] { vx::DoObjAction(app_, method, objectName, pageNumber); });
}

}  // namespace vx
