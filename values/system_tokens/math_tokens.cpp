// Function tokens of arithmetic: rounding, random numbers, trigonometry in
// degrees, absolute value, square root and the integer remainder.

#include <cmath>
#include <numbers>
#include <random>

#include "values/number_text.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kRadians = kPi / 180;

long double NumArg(const Evaluator& ev, const Args& a) { return ev.Num(a.empty() ? std::string() : a[0]); }

std::string Checked(long double value) {
  if (std::isnan(value)) throw Failure("Invalid floating point operation");
  if (std::isinf(value)) throw Failure("Floating point overflow");
  return NumberToText(static_cast<double>(value));
}

// 0 ... range - 1; nothing to draw from for a range below 1.
std::int64_t Draw(RandomSource& random, std::int64_t range) {
  if (range < 1) return 0;
  return std::uniform_int_distribution<std::int64_t>(0, range - 1)(random);
}

}  // namespace

std::string RoundValue(const Evaluator& ev, const Args& a) { return IntText(RoundHalfEven(NumArg(ev, a))); }

std::string RandomValue(const Evaluator& ev, const Args& a) {
  const std::int64_t low = ev.Int(a[0]);
  if (a.size() < 2) return IntText(Draw(ev.ctx.random, low));
  const long double high = ev.Num(a[1]);
  return IntText(low + Draw(ev.ctx.random, RoundHalfEven(high - static_cast<long double>(low))));
}

std::string Sine(const Evaluator& ev, const Args& a) { return Checked(std::sin(NumArg(ev, a) * kRadians)); }
std::string Cosine(const Evaluator& ev, const Args& a) { return Checked(std::cos(NumArg(ev, a) * kRadians)); }
std::string Tangent(const Evaluator& ev, const Args& a) { return Checked(std::tan(NumArg(ev, a) * kRadians)); }

std::string Cotangent(const Evaluator& ev, const Args& a) {
  const long double t = std::tan(NumArg(ev, a) * kRadians);
  if (t == 0) throw Failure("Floating point division by zero");
  return Checked(1 / t);
}

std::string ArcCosine(const Evaluator& ev, const Args& a) { return Checked(std::acos(NumArg(ev, a)) / kRadians); }
std::string ArcSine(const Evaluator& ev, const Args& a) { return Checked(std::asin(NumArg(ev, a)) / kRadians); }
std::string ArcTangent(const Evaluator& ev, const Args& a) { return Checked(std::atan(NumArg(ev, a)) / kRadians); }

std::string ArcCotangent(const Evaluator& ev, const Args& a) {
  const long double x = NumArg(ev, a);
  return Checked(x == 0 ? 90.0L : std::atan(1 / x) / kRadians);
}

std::string Absolute(const Evaluator& ev, const Args& a) { return Checked(std::fabs(NumArg(ev, a))); }
std::string SquareRoot(const Evaluator& ev, const Args& a) { return Checked(std::sqrt(NumArg(ev, a))); }

std::string Remainder(const Evaluator& ev, const Args& a) {
  const std::int64_t x = ev.Int(a[0]);
  const std::int64_t y = ev.Int(a.size() > 1 ? a[1] : std::string());
  if (y == 0) throw Failure("Division by zero");
  return IntText(y == -1 ? 0 : x % y);  // -1 would overflow for the smallest x
}

}  // namespace vx::eval
