// Constant system tokens of the clock and the two calendars.

#include "values/clock_values.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {
platform::LocalDateTime Now(const Evaluator& ev) { return ev.ctx.platform.loop.LocalNow(); }
}  // namespace

std::string Hour(const Evaluator& ev) { return IntText(Now(ev).hour); }
std::string Minute(const Evaluator& ev) { return IntText(Now(ev).minute); }
std::string Second(const Evaluator& ev) { return IntText(Now(ev).second); }
std::string Year(const Evaluator& ev) { return IntText(Now(ev).year); }
std::string Month(const Evaluator& ev) { return IntText(Now(ev).month); }
std::string Day(const Evaluator& ev) { return IntText(Now(ev).day); }
std::string FarYear(const Evaluator& ev) { return IntText(TodayFar(ev.ctx.platform.loop).year); }
std::string FarMonth(const Evaluator& ev) { return IntText(TodayFar(ev.ctx.platform.loop).month); }
std::string FarDay(const Evaluator& ev) { return IntText(TodayFar(ev.ctx.platform.loop).day); }

}  // namespace vx::eval
