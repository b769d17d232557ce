// Any text given to the evaluators gives a result or the evaluator's own
// failure (a vx::Error, or the Persian calendar's FarDateError from a date
// function); nothing else escapes, nothing crashes or hangs.
// The first byte picks the evaluator (even: text, odd: number); the store
// holds a few variables of each kind, among them one whose value refers to
// itself.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sim/sim_desktop.h"
#include "util/error.h"
#include "util/random_source.h"
#include "values/far_date.h"
#include "values/eval_context.h"
#include "values/expressions.h"
#include "values/script_files.h"
#include "values/variables.h"

namespace {

void FillStore(vx::TValues& values) {
  values.SetStrVar("name", "Hello");
  values.SetStrVar("path", "C:\\Shows\\data\\a.txt");
  values.SetStrVar("self", "$self+$self");
  values.SetStrVar("num", "12.5");
  values.SetNumVar("a", 5);
  values.SetNumVar("ab", 7);
  values.SetNumVar("neg", -3);
  values.SetNumVar("big", 1e300);
  values.SetBoolVar("on", true);
  values.SetBoolVar("off", false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool numeric = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  vx::sim::SimDesktop desktop;
  desktop.files.AddFile("C:\\Shows\\data\\a.txt", "line one\r\nline two\r\n");
  vx::TValues values;
  FillStore(values);
  vx::RandomSource random{7};
  const vx::Folders folders{"C:\\Shows\\", "C:\\TEMP\\", "C:\\WINDOWS\\"};
  vx::ScriptRegistry registry;
  vx::ScriptIniFile ini;
  vx::EvalContext ctx{values, desktop.Platform(), random, folders, registry, ini, nullptr};
  try {
    if (numeric) {
      (void)vx::EvalNumExpr(text, ctx);
    } else {
      (void)vx::EvalStrExpr(text, ctx);
    }
  } catch (const vx::Error&) {
  } catch (const vx::FarDateError&) {
  }
  return 0;
}
