#include "values/clock_values.h"

#include <cstdint>

namespace vx::eval {

namespace {

std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;  // days since 1970-01-01
}

constexpr std::int64_t kDaysFrom1899To1970 = 25569;

}  // namespace

double ToDateTime(const platform::LocalDateTime& t) {
  const double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) + kDaysFrom1899To1970);
  const double time = (((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond) / 86400000.0;
  return days + time;
}

int GregorianWeekday(const platform::LocalDateTime& t) {
  // 1970-01-01 was a Thursday (5).
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
  return static_cast<int>(((days + 4) % 7 + 7) % 7) + 1;
}

double TodayFarValue(platform::EventLoop& loop) { return TFarDate::GregorianToFar(ToDateTime(loop.LocalNow())); }

FarDateParts TodayFar(platform::EventLoop& loop) {
  const double value = TodayFarValue(loop);
  return {TFarDate::FarYearOf(value), TFarDate::FarMonthOf(value), TFarDate::FarDayOf(value)};
}

}  // namespace vx::eval
