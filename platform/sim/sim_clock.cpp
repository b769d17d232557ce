// The local date and time of the simulated desktop: a fixed start moment
// moved on by the virtual clock, so dates in tests never depend on the day
// they run.

#include "platform/sim/sim_loop.h"

namespace vx::sim {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

platform::LocalDateTime SimLoop::LocalNow() {
  constexpr std::int64_t kDay = 86'400'000;
  const std::int64_t startMs =
      DaysFromCivil(start_.year, start_.month, start_.day) * kDay +
      ((start_.hour * 60 + start_.minute) * 60 + start_.second) * 1000 + start_.millisecond;
  const std::int64_t ms = startMs + static_cast<std::int64_t>(now_);
  std::int64_t days = ms / kDay;
  std::int64_t rest = ms % kDay;
  if (rest < 0) rest += kDay, --days;
  platform::LocalDateTime out;
  CivilFromDays(days, out.year, out.month, out.day);
  out.hour = static_cast<int>(rest / 3'600'000);
  out.minute = static_cast<int>(rest / 60'000 % 60);
  out.second = static_cast<int>(rest / 1000 % 60);
  out.millisecond = static_cast<int>(rest % 1000);
  return out;
}

}  // namespace vx::sim
