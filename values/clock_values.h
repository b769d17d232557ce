#pragma once
// Today and now as the built-in values read them from the platform clock.

#include "platform/loop.h"
#include "values/far_date.h"

namespace vx::eval {

// Days since 1899-12-30, the time of day as the fraction.
double ToDateTime(const platform::LocalDateTime& t);
// 1 = Sunday ... 7 = Saturday.
int GregorianWeekday(const platform::LocalDateTime& t);
// Today's Persian date; throws FarDateError when it does not encode.
FarDateParts TodayFar(platform::EventLoop& loop);
// The Persian date value of today (for FarDayOfWeek).
double TodayFarValue(platform::EventLoop& loop);

}  // namespace vx::eval
