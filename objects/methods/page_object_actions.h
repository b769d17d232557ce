#pragma once
// Command 10's view of the pages and their objects (script/object_actions.h),
// answered from the application's pages; the methods are DoObjAction's.

#include "script/object_actions.h"

namespace vx {

class Application;

class PageObjectActions : public ObjectActions {
 public:
  explicit PageObjectActions(Application& app) : app_(app) {}

  std::string CurrentPageName() override;
  int PageNumberByName(const std::string& pageName) override;
  bool PageHasComponent(int pageNumber, const std::string& componentName) override;
  // On the main thread at once; a script thread's call waits there for it.
  void DoObjAction(const ScriptThread& thread, const std::string& method, const std::string& objectName,
                   int pageNumber) override;

 private:
  Application& app_;
};

}  // namespace vx
