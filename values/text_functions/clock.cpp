// Text functions of the clock and the calendars: 12 to 17.

#include <array>

#include "util/conversions.h"
#include "values/clock_values.h"
#include "values/text_functions.h"

namespace vx::eval {

namespace {

constexpr std::array<std::string_view, 8> kEnglishDays{
    "", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Separator(const Evaluator& ev, const Args& a, std::string_view fallback) {
  return a[0].empty() ? std::string(fallback) : ev.Str(a[0]);
}

std::string Two(int value) { return ZeroPad(value, 2); }

}  // namespace

std::string Time12(const Evaluator& ev, const Args& a) {
  const std::string sep = Separator(ev, a, ":");
  auto& loop = ev.ctx.platform.loop;
  const auto now = loop.LocalNow();
  int hour = now.hour;
  if (hour > 12 || hour == 0) hour = hour < 12 ? 12 - hour : hour - 12;
  return Two(hour) + sep + Two(now.minute) + sep + Two(now.second) + " " +
         loop.TimeDesignator(now.hour >= 12);
}

std::string Time24(const Evaluator& ev, const Args& a) {
  const std::string sep = Separator(ev, a, ":");
  const auto now = ev.ctx.platform.loop.LocalNow();
  return Two(now.hour) + sep + Two(now.minute) + sep + Two(now.second);
}

std::string DateText(const Evaluator& ev, const Args& a) {
  const std::string sep = Separator(ev, a, "/");
  const auto now = ev.ctx.platform.loop.LocalNow();
  return std::to_string(now.year) + sep + std::to_string(now.month) + sep + std::to_string(now.day);
}

std::string FarDateText(const Evaluator& ev, const Args& a) {
  const std::string sep = Separator(ev, a, "/");
  const FarDateParts today = TodayFar(ev.ctx.platform.loop);
  return std::to_string(today.year) + sep + std::to_string(today.month) + sep + std::to_string(today.day);
}

std::string WeekdayText(const Evaluator& ev, const Args& a) {
  const std::string language = a[0].empty() ? std::string() : ev.Str(a[0]);
  if (language.empty())
    return std::string(kEnglishDays[static_cast<std::size_t>(GregorianWeekday(ev.ctx.platform.loop.LocalNow()))]);
  if (SameNoCase(language, "shamsi"))
    return std::string(TFarDate::FarDayName(TFarDate::FarDayOfWeek(TodayFarValue(ev.ctx.platform.loop))));
  return "";
}

std::string FarMonthText(const Evaluator& ev, const Args&) {
  return std::string(TFarDate::FarMonthName(TodayFar(ev.ctx.platform.loop).month));
}

}  // namespace vx::eval
