#pragma once
// A loaded presentation with one object of every control kind on page
// "Main" and an empty page "Second", for running object statements.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx::test {

class MethodsTest : public ::testing::Test {
 protected:
  MethodsTest() {
    auto& page = project.AddPage("Main");
    page.width = 320;
    page.height = 200;
    page.flags.windowColor = 0xFFFFFF;
    auto& text = page.AddText("Label");
    text.bounds = {40, 30, 80, 20};
    text.caption = "Hi";
    auto& edit = page.AddEdit("Name");
    edit.bounds = {40, 60, 100, 22};
    edit.text = "abc";
    auto& button = page.AddButton("Go");
    button.bounds = {150, 60, 60, 24};
    button.caption = "Go";
    auto& picture = page.AddPicture("Dot");
    picture.bounds = {220, 20, 20, 20};
    picture.fileName = "dot.png";
    picture.image = sim::EncodePng(RgbaImage(4, 4, {0, 0, 255, 255}));
    auto& box = page.AddShape("Box");
    box.bounds = {220, 100, 40, 30};
    box.brushStyle = 1;
    box.penStyle = 1;
    auto& ray = page.AddShape("Ray");
    ray.form = 3;  // a line
    ray.bounds = {0, 150, 20, 20};
    ray.penStyle = 1;
    ray.penColor = 0;
    auto& timer = page.AddTimer("Clock");
    timer.interval = 100;
    project.AddPage("Second");
  }

  void Load() {
    InstallPresentation(desktop, project);
    ASSERT_EQ(ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); }), std::nullopt);
  }

  // Runs the statements on the main form; the error that ended the run.
  std::optional<std::string> Run(const std::string& script) {
    try {
      DoActions(*app, app->MainForm(), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }

  TVXObject* Find(const std::string& name, int page = 1) {
    return app->forms[static_cast<std::size_t>(page - 1)]->Components().Find("OBJ" + name);
  }

  template <typename T>
  T& Obj(const std::string& name, int page = 1) {
    auto* object = dynamic_cast<T*>(Find(name, page));
    if (object == nullptr) throw std::logic_error("no object " + name);
    return *object;
  }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
};

}  // namespace vx::test
