#pragma once
// A started presentation for the event-routing tests: the test adds pages
// and objects to the project, starts it and acts as the person at the
// desktop, in client coordinates of a page.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "tests/support/sim_fixture.h"

namespace vx::test {

class ObjectEventsTest : public ::testing::Test {
 protected:
  ObjectEventsTest() { project.AddPage("Main"); }

  tools::PageModel& Page1() { return project.pages.front(); }
  // Each object's scripts append "<name><event>," to $log.
  static std::string Log(const std::string& what) { return "$log=$log+\"" + what + ",\""; }
  template <class Model>
  static void LogAll(Model& m, const std::string& name) {
    m.scripts.mouseDown = Log(name + "down");
    m.scripts.mouseUp = Log(name + "up");
    m.scripts.mouseEnter = Log(name + "enter");
    m.scripts.mouseLeave = Log(name + "leave");
  }

  void Start() {
    InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    Window().Show();
  }
  sim::SimWindow& Window(int page = 1) {
    return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(page));
  }
  TVXForm& Form(int page = 1) { return *app->forms[static_cast<std::size_t>(page - 1)]; }
  template <class T>
  T* Object(const std::string& name, int page = 1) {
    return dynamic_cast<T*>(Form(page).Components().Find("OBJ" + name));
  }
  platform::Point Client(int x, int y, int page = 1) {
    const platform::Point o = Window(page).ClientOrigin();
    return {o.x + x, o.y + y};
  }
  void MoveTo(int x, int y, int page = 1) { desktop.user.MoveTo(Client(x, y, page)); }
  void Press(platform::MouseButton b = platform::MouseButton::Left) { desktop.user.Press(b); }
  void Release(platform::MouseButton b = platform::MouseButton::Left) { desktop.user.Release(b); }
  // One tick of the timers that run every 10 ms, the hover poller first.
  void Tick() { desktop.loop.Advance(10); }
  std::string LogText() { return app->values.GetStrVar("log"); }
  bool ShowedErrorBox() const {
    for (const std::string& line : desktop.log.Lines())
      if (line.starts_with("msgbox [Vexorelle Exception]")) return true;
    return false;
  }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

}  // namespace vx::test
