#include "values/far_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vx {
namespace {

// Gregorian days since 1970-01-01 by the era arithmetic of the proleptic
// calendar, independent of the code under test.
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  int year, month, day;
};

Civil CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

// The platform's date-time: 1970-01-01 is day 25569; before 1899-12-30 the
// time of day stays a positive fraction beside a negative day.
double DateTime(std::int64_t unixDays, int hour = 0, int minute = 0) {
  const double day = static_cast<double>(unixDays + 25569);
  const double time = (hour * 60 + minute) / 1440.0;
  return day < 0 ? day - time : day + time;
}

double DateTime(int y, int m, int d, int hour = 0, int minute = 0) {
  return DateTime(DaysFromCivil(y, m, d), hour, minute);
}

// 1970-01-01 was a Thursday (7); 1 = Friday.
int FarWeekdayOf(std::int64_t unixDays) {
  const std::int64_t r = ((unixDays - 1) % 7 + 7) % 7;
  return static_cast<int>(r) + 1;
}

// Nowruz (1 Farvardin) of the civil calendar: the March day of each year.
struct Nowruz {
  int year;
  int marchDay;
};
constexpr Nowruz kNowruz[] = {
    {1372, 21}, {1373, 21}, {1374, 21}, {1375, 20}, {1376, 21}, {1377, 21}, {1378, 21},
    {1379, 20}, {1380, 21}, {1381, 21}, {1382, 21}, {1383, 20}, {1384, 21}, {1385, 21},
    {1386, 21}, {1387, 20}, {1388, 21}, {1389, 21}, {1390, 21}, {1391, 20}, {1392, 21},
    {1393, 21}, {1394, 21}, {1395, 20}, {1396, 21}, {1397, 21}, {1398, 21}, {1399, 20},
    {1400, 21}, {1401, 21}, {1402, 21}, {1403, 20}, {1404, 21}, {1405, 21}, {1406, 21},
    {1407, 20}, {1408, 20},
};

FarDateParts Decode(double value) { return TFarDate::FarDecodeDate(value); }

double Encode(int y, int m, int d) {
  const std::optional<double> v = TFarDate::FarEncodeDate(y, m, d);
  EXPECT_TRUE(v.has_value()) << y << "/" << m << "/" << d;
  return v.value_or(0);
}

#define EXPECT_FAR(parts, y, m, d)  \
  do {                              \
    const FarDateParts p_ = (parts); \
    EXPECT_EQ(p_.year, y);          \
    EXPECT_EQ(p_.month, m);         \
    EXPECT_EQ(p_.day, d);           \
  } while (false)

// --- The converter ---

struct ConversionCase {
  int gy, gm, gd;
  int py, pm, pd;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << c.gy << "-" << c.gm << "-" << c.gd << " -> " << c.py << "/" << c.pm << "/" << c.pd;
}

class GregorianToFarTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(GregorianToFarTest, GivesThePersianDay) {
  const ConversionCase& c = GetParam();
  const double value = TFarDate::GregorianToFar(DateTime(c.gy, c.gm, c.gd));
  EXPECT_FAR(Decode(value), c.py, c.pm, c.pd);
  EXPECT_EQ(value, Encode(c.py, c.pm, c.pd));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GregorianToFarTest,
    ::testing::Values(ConversionCase{2024, 3, 20, 1403, 1, 1}, ConversionCase{2024, 3, 19, 1402, 12, 29},
                      ConversionCase{2023, 3, 21, 1402, 1, 1}, ConversionCase{2024, 1, 1, 1402, 10, 11},
                      ConversionCase{2024, 12, 21, 1403, 10, 1}, ConversionCase{2000, 3, 20, 1379, 1, 1},
                      ConversionCase{2024, 2, 19, 1402, 11, 30}, ConversionCase{2024, 2, 20, 1402, 12, 1},
                      // The last day of leap years by the converter's own rule.
                      ConversionCase{2021, 3, 20, 1399, 12, 30}, ConversionCase{2025, 3, 20, 1403, 12, 30},
                      ConversionCase{2025, 3, 21, 1404, 1, 1},
                      // Outside the civil span the turn of the year can be a day off.
                      ConversionCase{1972, 3, 21, 1351, 1, 2},
                      // Before the platform's day 0: negative date-times.
                      ConversionCase{1850, 3, 21, 1229, 1, 1}));

TEST(GregorianToFar, CarriesTheTimeOfDay) {
  const double value = TFarDate::GregorianToFar(DateTime(2024, 3, 20, 13, 30));
  EXPECT_FAR(Decode(value), 1403, 1, 1);
  EXPECT_DOUBLE_EQ(value, TFarDate::FarEncodeDateTime(1403, 1, 1, 13, 30, 0, 0));
  double whole;
  EXPECT_NEAR(std::fabs(std::modf(value, &whole)), 0.5625, 1e-9);
  EXPECT_EQ(whole, Encode(1403, 1, 1));
}

TEST(GregorianToFar, CarriesTheTimeBeforeDayZero) {
  const double value = TFarDate::GregorianToFar(DateTime(1850, 3, 21, 6, 0));
  EXPECT_DOUBLE_EQ(value, TFarDate::FarEncodeDateTime(1229, 1, 1, 6, 0, 0, 0));
}

TEST(GregorianToFar, TimeRoundingToMidnightBelongsToTheNextDay) {
  const double almost = DateTime(2024, 3, 19) + 0.9999999999;
  EXPECT_FAR(Decode(TFarDate::GregorianToFar(almost)), 1403, 1, 1);
}

TEST(GregorianToFar, RaisesTheConversionErrorWhenNothingEncodes) {
  const double cases[] = {DateTime(500, 6, 1), DateTime(1, 1, 1) - 1, DateTime(9999, 12, 31) + 1,
                          std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300};
  for (double x : cases) {
    try {
      TFarDate::GregorianToFar(x);
      ADD_FAILURE() << "no error for " << x;
    } catch (const FarDateError& e) {
      EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
  }
}

TEST(GregorianToFar, MatchesTheCivilCalendarDayByDay) {
  const std::int64_t first = DaysFromCivil(1993, 3, 21);
  const std::int64_t last = DaysFromCivil(2029, 3, 19);
  std::size_t year = 0;  // index into kNowruz
  double previous = 0;
  int checked = 0;
  for (std::int64_t day = first; day <= last; ++day) {
    const Civil g = CivilFromDays(day);
    while (DaysFromCivil(kNowruz[year + 1].year + 621, 3, kNowruz[year + 1].marchDay) <= day) ++year;
    const std::int64_t dayOfYear =
        day - DaysFromCivil(kNowruz[year].year + 621, 3, kNowruz[year].marchDay);
    const int month = dayOfYear < 186 ? static_cast<int>(dayOfYear / 31) + 1
                                      : static_cast<int>((dayOfYear - 186) / 30) + 7;
    const int dom = dayOfYear < 186 ? static_cast<int>(dayOfYear % 31) + 1
                                    : static_cast<int>((dayOfYear - 186) % 30) + 1;
    SCOPED_TRACE(std::to_string(g.year) + "-" + std::to_string(g.month) + "-" + std::to_string(g.day));

    const double value = TFarDate::GregorianToFar(DateTime(day));
    const FarDateParts p = Decode(value);
    ASSERT_EQ(p.year, kNowruz[year].year);
    ASSERT_EQ(p.month, month);
    ASSERT_EQ(p.day, dom);
    ASSERT_EQ(TFarDate::FarYearOf(value), p.year);
    ASSERT_EQ(TFarDate::FarMonthOf(value), p.month);
    ASSERT_EQ(TFarDate::FarDayOf(value), p.day);
    ASSERT_EQ(TFarDate::FarEncodeDate(p.year, p.month, p.day), value);
    ASSERT_EQ(TFarDate::FarDayOfWeek(value), FarWeekdayOf(day));
    if (day != first) {
      ASSERT_EQ(value, previous + 1);
    }
    previous = value;
    ++checked;
  }
  EXPECT_EQ(checked, 13148);
}

// --- Leap years, encoding ---

struct LeapCase {
  int year;
  bool leap;
};

void PrintTo(const LeapCase& c, std::ostream* os) { *os << c.year << (c.leap ? " leap" : " common"); }

class FarIsLeapYearTest : public ::testing::TestWithParam<LeapCase> {};

TEST_P(FarIsLeapYearTest, FollowsTheOneRule) {
  EXPECT_EQ(TFarDate::FarIsLeapYear(GetParam().year), GetParam().leap) << GetParam().year;
  EXPECT_EQ(TFarDate::FarMonthDays(GetParam().year, 12), GetParam().leap ? 30 : 29);
}

INSTANTIATE_TEST_SUITE_P(
    Years, FarIsLeapYearTest,
    ::testing::Values(
        // The converter's span: remainder 3.
        LeapCase{1399, true}, LeapCase{1403, true}, LeapCase{1407, true}, LeapCase{975, true},
        LeapCase{1775, true}, LeapCase{1404, false}, LeapCase{1396, false}, LeapCase{1600, false},
        LeapCase{976, false}, LeapCase{1774, false},
        // Outside it: the Gregorian rule on the Persian year number.
        LeapCase{974, false}, LeapCase{972, true}, LeapCase{971, false}, LeapCase{900, false},
        LeapCase{800, true}, LeapCase{4, true}, LeapCase{1, false}, LeapCase{1776, true},
        LeapCase{1779, false}, LeapCase{1800, false}, LeapCase{2000, true}, LeapCase{9996, true}));

struct EncodeCase {
  int year, month, day;
  bool ok;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
  *os << c.year << "/" << c.month << "/" << c.day << (c.ok ? " valid" : " invalid");
}

class FarEncodeDateTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(FarEncodeDateTest, ChecksEveryPart) {
  const EncodeCase& c = GetParam();
  EXPECT_EQ(TFarDate::FarEncodeDate(c.year, c.month, c.day).has_value(), c.ok)
      << c.year << "/" << c.month << "/" << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FarEncodeDateTest,
    ::testing::Values(EncodeCase{1403, 12, 30, true}, EncodeCase{1404, 12, 30, false},
                      EncodeCase{1404, 12, 29, true}, EncodeCase{1403, 12, 31, false},
                      EncodeCase{1403, 13, 1, false}, EncodeCase{1403, 0, 1, false},
                      EncodeCase{0, 1, 1, false}, EncodeCase{-1, 1, 1, false},
                      EncodeCase{1, 1, 1, true}, EncodeCase{9999, 12, 29, true},
                      EncodeCase{10000, 1, 1, false}, EncodeCase{1403, 1, 0, false},
                      EncodeCase{1403, 1, -5, false}, EncodeCase{1403, 6, 31, true},
                      EncodeCase{1403, 7, 31, false}, EncodeCase{1403, 7, 30, true},
                      EncodeCase{1403, 11, 31, false}));

TEST(FarEncodeDate, KeepsTheDayNumberOfTheFirstDay) {
  EXPECT_EQ(Encode(1, 1, 1), 1.0 - 693594);
}

TEST(FarEncodeDate, EveryValidDateDecodesBackAndDaysFollowEachOther) {
  double expected = Encode(1, 1, 1);
  for (int y = 1; y <= 9999; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const int days = TFarDate::FarMonthDays(y, m);
      ASSERT_EQ(TFarDate::FarEncodeDate(y, m, days + 1), std::nullopt) << y << "/" << m;
      for (int d = 1; d <= days; ++d) {
        const std::optional<double> v = TFarDate::FarEncodeDate(y, m, d);
        ASSERT_EQ(v, expected) << y << "/" << m << "/" << d;
        // The time of day lies on the side of the date away from zero.
        const FarDateParts p = Decode(expected < 0 ? expected - 0.75 : expected + 0.75);
        ASSERT_TRUE(p.year == y && p.month == m && p.day == d) << y << "/" << m << "/" << d;
        expected += 1;
      }
    }
  }
}

TEST(FarEncodeTime, ChecksEveryPart) {
  EXPECT_EQ(TFarDate::FarEncodeTime(23, 59, 59, 999), 86399999.0 / 86400000.0);
  EXPECT_EQ(TFarDate::FarEncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(TFarDate::FarEncodeTime(0, 0, 0, 0), 0.0);
  EXPECT_EQ(TFarDate::FarEncodeTime(24, 0, 0, 0), std::nullopt);
  EXPECT_EQ(TFarDate::FarEncodeTime(0, 60, 0, 0), std::nullopt);
  EXPECT_EQ(TFarDate::FarEncodeTime(0, 0, 60, 0), std::nullopt);
  EXPECT_EQ(TFarDate::FarEncodeTime(0, 0, 0, 1000), std::nullopt);
  EXPECT_EQ(TFarDate::FarEncodeTime(-1, 0, 0, 0), std::nullopt);
  EXPECT_EQ(TFarDate::FarEncodeTime(0, 0, 0, -1), std::nullopt);
}

TEST(FarEncodeDateTime, PutsTheTimeOnTheSideOfTheDate) {
  const double date = Encode(1403, 1, 1);
  ASSERT_LT(date, 0);
  EXPECT_DOUBLE_EQ(TFarDate::FarEncodeDateTime(1403, 1, 1, 6, 0, 0, 0), date - 0.25);
  // Day number 0 counts as positive.
  const FarDateParts zero = Decode(0.0);
  ASSERT_EQ(TFarDate::FarEncodeDate(zero.year, zero.month, zero.day), 0.0);
  EXPECT_DOUBLE_EQ(TFarDate::FarEncodeDateTime(zero.year, zero.month, zero.day, 6, 0, 0, 0), 0.25);
  EXPECT_EQ(TFarDate::FarEncodeDateTime(1, 1, 1, 0, 0, 0, 0), 1.0 - 693594);
}

TEST(FarEncodeDateTime, RaisesTheConversionErrorForEitherPart) {
  try {
    TFarDate::FarEncodeDateTime(1404, 12, 30, 0, 0, 0, 0);
    ADD_FAILURE() << "date accepted";
  } catch (const FarDateError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to date encode");
  }
  EXPECT_THROW(TFarDate::FarEncodeDateTime(1403, 1, 1, 24, 0, 0, 0), FarDateError);
  EXPECT_THROW(TFarDate::FarEncodeDateTime(1403, 1, 1, 0, 0, 0, 1000), FarDateError);
  EXPECT_NO_THROW(TFarDate::FarEncodeDateTime(1403, 12, 30, 23, 59, 59, 999));
}

// --- Decoding outside the supported years, weekdays, names ---

TEST(FarDecodeDate, GivesZeroOutsideTheSupportedYears) {
  const double before = Encode(1, 1, 1) - 1;
  const double after = Encode(9999, 12, 29) + 1;
  const double cases[] = {before, before - 0.5, after, after + 0.5, -1e12, 1e300,
                          std::nan(""), HUGE_VAL, -HUGE_VAL};
  for (double v : cases) {
    EXPECT_FAR(Decode(v), 0, 0, 0);
    EXPECT_EQ(TFarDate::FarDayOfWeek(v), 0) << v;
    EXPECT_EQ(TFarDate::FarYearOf(v), 0);
  }
  EXPECT_FAR(Decode(Encode(1, 1, 1)), 1, 1, 1);
  EXPECT_FAR(Decode(Encode(9999, 12, 29) + 0.99), 9999, 12, 29);
}

TEST(FarDayOfWeek, NamesNowruz1403Wednesday) {
  const int weekday = TFarDate::FarDayOfWeek(Encode(1403, 1, 1));
  EXPECT_EQ(weekday, 6);
  EXPECT_EQ(TFarDate::FarDayName(weekday), "\x8D\xE5\xC7\xD1\xD4\xE4\xC8\xE5");
  EXPECT_EQ(TFarDate::FarDayOfWeek(TFarDate::FarEncodeDateTime(1403, 1, 1, 23, 0, 0, 0)), 6);
}

TEST(FarDayOfWeek, CyclesThroughOneToSevenEverywhere) {
  const double starts[] = {Encode(1, 1, 1), Encode(974, 12, 25), Encode(1775, 12, 25), Encode(9999, 12, 20)};
  for (double start : starts) {
    int previous = TFarDate::FarDayOfWeek(start);
    ASSERT_GE(previous, 1);
    for (int i = 1; i < 10; ++i) {
      const int weekday = TFarDate::FarDayOfWeek(start + i);
      ASSERT_EQ(weekday, previous % 7 + 1);
      previous = weekday;
    }
  }
}

TEST(FarNames, AreTheWindows1256Bytes) {
  EXPECT_EQ(TFarDate::FarMonthName(1), "\xDD\xD1\xE6\xD1\xCF\xED\xE4");
  EXPECT_EQ(TFarDate::FarMonthName(10), "\xCF\xED");
  EXPECT_EQ(TFarDate::FarMonthName(12), "\xC7\xD3\xDD\xE4\xCF");
  EXPECT_EQ(TFarDate::FarDayName(1), "\xCC\xE3\xDA\xE5");
  EXPECT_EQ(TFarDate::FarDayName(3), "\xED\x98\xD4\xE4\xC8\xE5");
  EXPECT_EQ(TFarDate::FarDayName(5), std::string_view("\xD3\xE5 \xD4\xE4\xC8\xE5"));
  EXPECT_EQ(TFarDate::FarDayName(7), "\x81\xE4\xCC\xD4\xE4\xC8\xE5");
  for (int bad : {0, 13, -1}) EXPECT_TRUE(TFarDate::FarMonthName(bad).empty());
  for (int bad : {0, 8, -1}) EXPECT_TRUE(TFarDate::FarDayName(bad).empty());

  std::vector<std::string_view> seen;
  for (int m = 1; m <= 12; ++m) seen.push_back(TFarDate::FarMonthName(m));
  for (int d = 1; d <= 7; ++d) seen.push_back(TFarDate::FarDayName(d));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_FALSE(seen[i].empty());
    for (std::size_t j = i + 1; j < seen.size(); ++j) EXPECT_NE(seen[i], seen[j]);
  }
}

}  // namespace
}  // namespace vx
