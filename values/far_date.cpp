#include "values/far_date.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace vx {

namespace {

using Days = std::int64_t;

constexpr Days kMsPerDay = 86400000;
// Days from 0001-01-01 (day 1) to the date-time day number 0.
constexpr Days kDateDelta = 693594;
constexpr int kMaxYear = 9999;
constexpr const char* kEncodeMessage = "Invalid argument to date encode";

// The converter's four-year rule, remainder 3, holds for these years.
constexpr int kRuleFirst = 975;
constexpr int kRuleLast = 1775;

constexpr bool GregorianRule(Days year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Leap years among 1..n by the Gregorian rule, and with remainder 3.
constexpr Days GregorianLeapsThrough(Days n) { return n / 4 - n / 100 + n / 400; }
constexpr Days RemainderThreeThrough(Days n) { return (n + 1) / 4; }

// Persian leap years among 1..n (n >= 0).
constexpr Days FarLeapsThrough(Days n) {
  if (n < kRuleFirst) return GregorianLeapsThrough(n);
  Days leaps = GregorianLeapsThrough(kRuleFirst - 1);
  if (n <= kRuleLast) return leaps + RemainderThreeThrough(n) - RemainderThreeThrough(kRuleFirst - 1);
  leaps += RemainderThreeThrough(kRuleLast) - RemainderThreeThrough(kRuleFirst - 1);
  return leaps + GregorianLeapsThrough(n) - GregorianLeapsThrough(kRuleLast);
}

// Days of all Persian years before the year, so 1/1/Y is day this + 1.
constexpr Days FarDaysBeforeYear(Days year) {
  return 365 * (year - 1) + FarLeapsThrough(year - 1);
}

constexpr Days kFarLastDay = FarDaysBeforeYear(kMaxYear + 1);

// Days of months 1..M-1; the one leap day sits at the end of month 12.
constexpr std::array<int, 12> kFarMonthStart{0, 31, 62, 93, 124, 155, 186, 216, 246, 276, 306, 336};

// 1403/1/1 fell on a Wednesday (6); weekdays count from there.
constexpr Days kWednesdayAnchor = FarDaysBeforeYear(1403) + 1;
constexpr int kAnchorWeekday = 6;

constexpr std::array<std::string_view, 12> kMonthNames{
    "\xDD\xD1\xE6\xD1\xCF\xED\xE4",      // Farvardin
    "\xC7\xD1\xCF\xED\xC8\xE5\xD4\xCA",  // Ordibehesht
    "\xCE\xD1\xCF\xC7\xCF",              // Khordad
    "\xCA\xED\xD1",                      // Tir
    "\xE3\xD1\xCF\xC7\xCF",              // Mordad
    "\xD4\xE5\xD1\xED\xE6\xD1",          // Shahrivar
    "\xE3\xE5\xD1",                      // Mehr
    "\xC2\xC8\xC7\xE4",                  // Aban
    "\xC2\xD0\xD1",                      // Azar
    "\xCF\xED",                          // Dey
    "\xC8\xE5\xE3\xE4",                  // Bahman
    "\xC7\xD3\xDD\xE4\xCF",              // Esfand
};

constexpr std::array<std::string_view, 7> kDayNames{
    "\xCC\xE3\xDA\xE5",              // Friday
    "\xD4\xE4\xC8\xE5",              // Saturday
    "\xED\x98\xD4\xE4\xC8\xE5",      // Sunday
    "\xCF\xE6\xD4\xE4\xC8\xE5",      // Monday
    "\xD3\xE5\x20\xD4\xE4\xC8\xE5",  // Tuesday
    "\x8D\xE5\xC7\xD1\xD4\xE4\xC8\xE5",  // Wednesday
    "\x81\xE4\xCC\xD4\xE4\xC8\xE5",  // Thursday
};

// The day count from 0001-01-01 (day 1) of a value's whole part; empty when
// the value cannot name a day of years 1-9999 of its calendar.
std::optional<Days> DayCount(double value, Days lastDay) {
  if (!std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
  const Days t = static_cast<Days>(std::trunc(value)) + kDateDelta;
  if (t <= 0 || t > lastDay) return std::nullopt;
  return t;
}

// --- The Gregorian side: the platform's date-time. ---

struct GregorianParts {
  int year, month, day, hour, minute, second, millisecond;
};

constexpr Days kGregorianLastDay = 3652059;  // 9999-12-31

int GregorianMonthDays(int year, int month) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && GregorianRule(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// The time of day is rounded to the millisecond; a fraction that rounds to a
// whole day belongs to the next day.
GregorianParts DecodeGregorian(double dateTime) {
  std::optional<Days> t = DayCount(dateTime, kGregorianLastDay);
  if (!t) throw FarDateError(kEncodeMessage);
  Days ms = std::llround(std::fabs(dateTime - std::trunc(dateTime)) * static_cast<double>(kMsPerDay));
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    if (++*t > kGregorianLastDay) throw FarDateError(kEncodeMessage);
  }

  // 400-, 100-, 4- and 1-year cycles; the last year of a cycle is the long one.
  Days rest = *t - 1;
  Days year = 1 + 400 * (rest / 146097);
  rest %= 146097;
  Days i = rest / 36524;
  rest %= 36524;
  if (i == 4) {
    i = 3;
    rest += 36524;
  }
  year += 100 * i;
  year += 4 * (rest / 1461);
  rest %= 1461;
  i = rest / 365;
  rest %= 365;
  if (i == 4) {
    i = 3;
    rest += 365;
  }
  year += i;

  GregorianParts parts{};
  parts.year = static_cast<int>(year);
  parts.month = 1;
  while (rest >= GregorianMonthDays(parts.year, parts.month)) {
    rest -= GregorianMonthDays(parts.year, parts.month);
    ++parts.month;
  }
  parts.day = static_cast<int>(rest) + 1;
  parts.hour = static_cast<int>(ms / 3600000);
  parts.minute = static_cast<int>(ms / 60000 % 60);
  parts.second = static_cast<int>(ms / 1000 % 60);
  parts.millisecond = static_cast<int>(ms % 1000);
  return parts;
}

// --- The converter's month table. ---

// PD = D + add + perL1 * L1 + perL2 * L2.
struct MonthShift {
  int month, add, perL1, perL2;
};
// Below limit - limitL1 * L1 - limitL2 * L2 the first shift applies.
struct MonthRow {
  int limit, limitL1, limitL2;
  MonthShift below, otherwise;
};

constexpr std::array<MonthRow, 12> kMonthRows{{
    {21, 0, 1, {10, 10, 0, 1}, {11, -20, 0, 1}},
    {20, 0, 1, {11, 11, 0, 1}, {12, -19, 0, 1}},
    {21, 1, 0, {12, 9, 1, 1}, {1, -20, 1, 0}},
    {21, 1, 0, {1, 11, 1, 0}, {2, -20, 1, 0}},
    {22, 1, 0, {2, 10, 1, 0}, {3, -21, 1, 0}},
    {22, 1, 0, {3, 10, 1, 0}, {4, -21, 1, 0}},
    {23, 1, 0, {4, 9, 1, 0}, {5, -22, 1, 0}},
    {23, 1, 0, {5, 9, 1, 0}, {6, -22, 1, 0}},
    {23, 1, 0, {6, 9, 1, 0}, {7, -22, 1, 0}},
    {23, 1, 0, {7, 8, 1, 0}, {8, -22, 1, 0}},
    {22, 1, 0, {8, 9, 1, 0}, {9, -21, 1, 0}},
    {22, 1, 0, {9, 9, 1, 0}, {10, -21, 1, 0}},
}};

bool EveryFourth(int year, int first, int last) {
  return year >= first && year <= last && (year - first) % 4 == 0;
}

}  // namespace

bool TFarDate::FarIsLeapYear(int year) {
  if (year >= kRuleFirst && year <= kRuleLast) return year % 4 == 3;
  return GregorianRule(year);
}

int TFarDate::FarMonthDays(int year, int month) {
  if (year < 1 || year > kMaxYear || month < 1 || month > 12) return 0;
  if (month <= 6) return 31;
  if (month <= 11) return 30;
  return FarIsLeapYear(year) ? 30 : 29;
}

std::optional<double> TFarDate::FarEncodeDate(int year, int month, int day) {
  if (day < 1 || day > FarMonthDays(year, month)) return std::nullopt;
  const Days t = FarDaysBeforeYear(year) + kFarMonthStart[static_cast<std::size_t>(month - 1)] + day;
  return static_cast<double>(t - kDateDelta);
}

std::optional<double> TFarDate::FarEncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 ||
      millisecond < 0 || millisecond >= 1000)
    return std::nullopt;
  const Days ms = hour * Days{3600000} + minute * Days{60000} + second * Days{1000} + millisecond;
  return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

double TFarDate::FarEncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                                   int millisecond) {
  const std::optional<double> date = FarEncodeDate(year, month, day);
  if (!date) throw FarDateError(kEncodeMessage);
  const std::optional<double> time = FarEncodeTime(hour, minute, second, millisecond);
  if (!time) throw FarDateError(kEncodeMessage);
  const double sign = *date < 0 ? -1.0 : 1.0;
  return (std::fabs(*date) + *time) * sign;
}

FarDateParts TFarDate::FarDecodeDate(double value) {
  const std::optional<Days> t = DayCount(value, kFarLastDay);
  if (!t) return {};

  // The last year whose first day is not after the day.
  int low = 1;
  int high = kMaxYear;
  while (low < high) {
    const int mid = low + (high - low + 1) / 2;
    if (FarDaysBeforeYear(mid) < *t) low = mid;
    else high = mid - 1;
  }
  const Days dayOfYear = *t - FarDaysBeforeYear(low) - 1;

  FarDateParts parts;
  parts.year = low;
  parts.month = 12;
  while (kFarMonthStart[static_cast<std::size_t>(parts.month - 1)] > dayOfYear) --parts.month;
  parts.day = static_cast<int>(dayOfYear) - kFarMonthStart[static_cast<std::size_t>(parts.month - 1)] + 1;
  return parts;
}

int TFarDate::FarYearOf(double value) { return FarDecodeDate(value).year; }
int TFarDate::FarMonthOf(double value) { return FarDecodeDate(value).month; }
int TFarDate::FarDayOf(double value) { return FarDecodeDate(value).day; }

int TFarDate::FarDayOfWeek(double value) {
  const std::optional<Days> t = DayCount(value, kFarLastDay);
  if (!t) return 0;
  const Days shifted = (*t - kWednesdayAnchor + kAnchorWeekday - 1) % 7;
  return static_cast<int>(shifted < 0 ? shifted + 7 : shifted) + 1;
}

double TFarDate::GregorianToFar(double dateTime) {
  const GregorianParts g = DecodeGregorian(dateTime);
  const int y = g.year;
  const int m = g.month;
  const int d = g.day;

  // L1: a Gregorian leap year, L2: a Persian one by the four-year rule; each
  // only within the span the converter knows.
  const int l1 = EveryFourth(y, 1596, 2396) ? 1 : 0;
  int l2 = 0;
  int year;
  if (y % 2 != 0 && ((m == 3 && d > 20 - l1) || m > 4)) {
    year = y - 621;
  } else {
    year = y - 622;
    l2 = EveryFourth(year, kRuleFirst, kRuleLast) ? 1 : 0;
    if ((m == 3 && d > 20 - l1 + l2) || m > 3) ++year;
  }
  if (l1 == 1) l2 = 0;

  const MonthRow& row = kMonthRows[static_cast<std::size_t>(m - 1)];
  const int limit = row.limit - row.limitL1 * l1 - row.limitL2 * l2;
  const MonthShift& shift = d < limit ? row.below : row.otherwise;
  const int day = d + shift.add + shift.perL1 * l1 + shift.perL2 * l2;
  return FarEncodeDateTime(year, shift.month, day, g.hour, g.minute, g.second, g.millisecond);
}

std::string_view TFarDate::FarMonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view TFarDate::FarDayName(int weekday) {
  if (weekday < 1 || weekday > 7) return {};
  return kDayNames[static_cast<std::size_t>(weekday - 1)];
}

}  // namespace vx
