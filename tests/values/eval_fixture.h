#pragma once
// A fresh simulated desktop and an evaluation context over it.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "util/error.h"
#include "values/eval_context.h"
#include "values/expressions.h"

namespace vx::test {

class EvalTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop;
  TValues values;
  RandomSource random{7};
  Folders folders{"C:\\Shows\\", "C:\\TEMP\\", "C:\\WINDOWS\\"};
  ScriptRegistry registry;
  ScriptIniFile ini;
  EvalContext ctx{values, desktop.Platform(), random, folders, registry, ini, nullptr};

  long double Num(std::string_view text) { return EvalNumExpr(text, ctx); }
  std::string Str(std::string_view text) { return EvalStrExpr(text, ctx); }
  // The message of the conversion error, or "no error".
  std::string NumError(std::string_view text) {
    try {
      Num(text);
    } catch (const ConvertError& e) {
      return e.what();
    }
    return "no error";
  }
};

}  // namespace vx::test
