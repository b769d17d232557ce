#pragma once
// A fresh application on the simulated desktop with one page, for running
// scripts.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "script/runner.h"
#include "util/error.h"

namespace vx::test {

class RunnerTest : public ::testing::Test {
 protected:
  RunnerTest() {
    app = std::make_unique<Application>(desktop.Platform());
    app->project.title = "Show";
    app->forms.push_back(std::make_unique<TVXForm>(*app));
    app->MainForm()->SetName("VX_APPLICATION_FORM1");
  }

  // Runs the lines (joined with CR LF) on the main thread; the error that
  // ended the run, or nothing.
  std::optional<std::string> Run(const std::string& script) {
    try {
      DoActions(*app, app->MainForm(), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }
  double Num(const std::string& name) { return app->values.GetNumVar(name); }
  std::string Str(const std::string& name) { return app->values.GetStrVar(name); }

  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

}  // namespace vx::test
