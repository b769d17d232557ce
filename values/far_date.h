#pragma once
// UFarsiDate: the Persian (solar) calendar. Self-contained on purpose: it
// uses the standard library only.
//
// Date-time values are doubles in the platform's form: the whole part counts
// days, the fraction is the time of day (negative values keep the time as
// the absolute fraction). A Gregorian date-time counts days from 1899-12-30.
// A Persian date value counts days in Persian years and months, so Persian
// 1/1/1 has day number 1 - 693594; only TFarDate may interpret it.
//
// Leap years: remainder 3 when divided by 4 for 975-1775, the span where
// GregorianToFar applies that rule itself; the Gregorian rule on the Persian
// year number outside it. Numbering, month lengths, encoding, decoding and
// weekdays all follow this one rule, so the converter's last day of a leap
// year (1399/12/30, 1403/12/30, ...) encodes.
//
// Supported Persian years: 1 to 9999.

#include <optional>
#include <stdexcept>
#include <string_view>

namespace vx {

// The platform's conversion error for dates, "Invalid argument to date
// encode". Standard-library based so the calendar stands alone; callers that
// turn it into a failed evaluation catch it by this type.
class FarDateError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct FarDateParts {
  int year = 0;
  int month = 0;
  int day = 0;
};

class TFarDate {
 public:
  TFarDate() = delete;  // stateless: class-level operations only

  static bool FarIsLeapYear(int year);
  // Days in the month, 0 for a month or year out of range.
  static int FarMonthDays(int year, int month);

  // Empty when year is outside 1-9999, month outside 1-12 or day outside the
  // month.
  static std::optional<double> FarEncodeDate(int year, int month, int day);
  // The fraction of the day; empty unless every part is within its range.
  static std::optional<double> FarEncodeTime(int hour, int minute, int second,
                                             int millisecond);
  // Throws FarDateError when the date or the time does not encode.
  static double FarEncodeDateTime(int year, int month, int day, int hour, int minute,
                                  int second, int millisecond);

  // All zero outside the supported years (before 1/1/1, after 9999, not
  // finite).
  static FarDateParts FarDecodeDate(double value);
  static int FarYearOf(double value);
  static int FarMonthOf(double value);
  static int FarDayOf(double value);
  // 1 = Friday ... 7 = Thursday; 0 outside the supported years.
  static int FarDayOfWeek(double value);

  // The Persian date value of the same day with the same time of day.
  // Throws FarDateError when the result does not encode.
  static double GregorianToFar(double dateTime);

  // Windows-1256 names; empty outside 1-12 and 1-7.
  static std::string_view FarMonthName(int month);
  static std::string_view FarDayName(int weekday);
};

}  // namespace vx
