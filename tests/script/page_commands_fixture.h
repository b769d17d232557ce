#pragma once
// A started presentation of two small frameless pages, placed at (0, 0),
// for the commands that change the current page.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"
#include "values/expressions.h"

namespace vx::test {

inline constexpr platform::Color kPageOneColour = platform::MakeColor(0x20, 0x40, 0x60);
inline constexpr platform::Color kPageTwoColour = platform::MakeColor(0xE0, 0xE0, 0xE0);

class PageCommandsTest : public ::testing::Test {
 protected:
  PageCommandsTest() {
    for (const char* name : {"One", "Two"}) {
      tools::PageModel& page = project.AddPage(name);
      page.width = 60;
      page.height = 40;
      page.flags.frame = 3;
      page.flags.centred = false;
      page.flags.hidden = true;
    }
    project.pages[0].flags.windowColor = kPageOneColour;
    project.pages[1].flags.windowColor = kPageTwoColour;
  }
  // Loaded, no page shown yet: no page is current.
  void Load() {
    InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
  }
  // Page 1 shown and current.
  void Start() {
    Load();
    Win(1).Show();
    desktop.loop.Advance(10);  // the show script's tick
  }
  sim::SimWindow& Win(int n) { return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(n)); }
  TVXForm& Form(int n) { return *app->forms[static_cast<std::size_t>(n - 1)]; }
  // Runs the script on page 1's form (whichever page is current); the error
  // that ended it, or nothing.
  std::optional<std::string> Run(const std::string& script) {
    try {
      DoActions(*app, &Form(1), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }
  // What the numeric evaluator says of a text that is no number.
  std::string EvaluatorMessage(const std::string& text) {
    try {
      EvalNumExpr(text, app->eval);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "(no error)";
  }
  // The screen over page n's client area.
  RgbaImage ScreenOver(int n) {
    const platform::Point o = Win(n).ClientOrigin();
    const platform::Size s = Win(n).ClientSize();
    return desktop.forms.ScreenImage({o.x, o.y, s.width, s.height});
  }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

}  // namespace vx::test
