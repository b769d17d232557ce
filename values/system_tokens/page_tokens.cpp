// Function tokens about pages and objects, answered by the page layer.

#include "values/script_values.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {
std::string Name(const Evaluator& ev, const Args& a) { return a.empty() ? std::string() : ev.Str(a[0]); }
}  // namespace

std::string PageWidth(const Evaluator& ev, const Args& a) {
  const std::string page = Name(ev, a);
  return IntText(Pages(ev.ctx).PageClientSize(page).width);
}

std::string PageHeight(const Evaluator& ev, const Args& a) {
  const std::string page = Name(ev, a);
  return IntText(Pages(ev.ctx).PageClientSize(page).height);
}

std::string ObjectVisible(const Evaluator& ev, const Args& a) {
  const std::string object = Name(ev, a);
  return FlagText(Pages(ev.ctx).ObjectVisible(object));
}

std::string ObjectVolume(const Evaluator& ev, const Args& a) {
  const std::string object = Name(ev, a);
  return IntText(Pages(ev.ctx).MediaVolume(object));
}

std::string ObjectState(const Evaluator& ev, const Args& a) {
  const std::string object = Name(ev, a);
  return IntText(Pages(ev.ctx).MediaStateCode(object));
}

}  // namespace vx::eval
