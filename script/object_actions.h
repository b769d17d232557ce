#pragma once
// What command 10 needs from the page and object layer, which implements it
// and sets it on the Application (Application::objectActions).

#include <string>

namespace vx {

class ScriptThread;

class ObjectActions {
 public:
  virtual ~ObjectActions() = default;
  // The authored name of the current page.
  virtual std::string CurrentPageName() = 0;
  virtual int PageNumberByName(const std::string& pageName) = 0;
  // The page holds a component of that name ("OBJ" + object name).
  virtual bool PageHasComponent(int pageNumber, const std::string& componentName) = 0;
  // The method text as written after the first "."; a script thread hands
  // the work to the main thread with ThreadObjAction and waits.
  virtual void DoObjAction(const ScriptThread& thread, const std::string& method,
                           const std::string& objectName, int pageNumber) = 0;
};

}  // namespace vx
