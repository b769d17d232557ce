// The precompiled numeric expressions must give exactly what the general
// evaluator gives: the same number (sign of zero included), the same
// failure, and the store left the same (variables created, in that order).

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "tests/support/randomised_cases.h"
#include "util/error.h"
#include "values/eval_context.h"
#include "values/expressions.h"
#include "values/simple_num_expr.h"

namespace vx {
namespace {

// The names the generator writes, in several cases; "nx" begins with "n".
constexpr const char* kNames[] = {"n", "N", "nx", "nX", "i", "x1", "_a", "__ok", "__OK", "Total_2"};
constexpr const char* kDigits[] = {"0", "7", "007", "2.5", "0.1", "1000000000000000", "123456789012345678901",
                                   "3.14159265358979323846", "1e3", ".5", "5.", "9", "12"};
constexpr const char* kNearMiss[] = {" ", "(", ")", "-", "+", "^", "#", "$", "!", "@1%", "E", "e-5", ".", "#__OK"};

struct Outcome {
  bool failed = false;
  long double value = 0;
  std::string message;
  std::vector<meminteger> store;
};

class SimpleNumExprTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop;
  RandomSource random{7};
  Folders folders{"C:\\Shows\\", "C:\\TEMP\\", "C:\\WINDOWS\\"};
  ScriptRegistry registry;
  ScriptIniFile ini;
  std::mt19937_64 gen{20261209};

  double RandomValue() {
    switch (gen() % 16) {
      case 0: return 0;
      case 1: return -0.0;
      case 2: return static_cast<double>(static_cast<std::int64_t>(gen() % 2001) - 1000);
      case 3: return static_cast<double>(static_cast<std::int64_t>(gen() % 2000000000000000ULL) - 1000000000000000LL);
      case 4: return (gen() % 2 ? 1 : -1) * (1e15 + static_cast<double>(gen() % 5) - 2);
      case 5: return static_cast<double>(gen() % 1000) / 10 - 50;
      case 6: return std::ldexp(static_cast<double>(gen() % 1000000), -static_cast<int>(gen() % 60));
      case 7: return (gen() % 2 ? 1 : -1) * std::pow(10.0, static_cast<double>(static_cast<int>(gen() % 40) - 20));
      case 8: return std::ldexp(static_cast<double>(gen() % 1000 + 1), static_cast<int>(gen() % 2100) - 1074);
      case 9: return (gen() % 2 ? 1 : -1) * std::numeric_limits<double>::max() / static_cast<double>(gen() % 4 + 1);
      case 10: return 1.0 / static_cast<double>(gen() % 9 + 1);
      case 11: return std::numeric_limits<double>::quiet_NaN();
      case 12: return (gen() % 2 ? 1 : -1) * std::numeric_limits<double>::infinity();
      default: return static_cast<double>(static_cast<std::int64_t>(gen() % 200001) - 100000);
    }
  }

  std::string Operand() {
    if (gen() % 3 == 0) return kDigits[gen() % std::size(kDigits)];
    return std::string("#") + kNames[gen() % std::size(kNames)];
  }

  // Operands joined by + - * /, and now and then a piece that takes the
  // text outside the simple shapes.
  std::string Expression(bool nearMiss) {
    std::string text = Operand();
    const int more = static_cast<int>(gen() % 3);
    for (int k = 0; k < more; ++k) {
      text += "+-*/"[gen() % 4];
      text += Operand();
    }
    if (nearMiss) {
      const std::size_t at = gen() % (text.size() + 1);
      text.insert(at, kNearMiss[gen() % std::size(kNearMiss)]);
    }
    return text;
  }

  // A store where some of the names hold odd values and the rest are yet
  // to be created; both stores are filled alike.
  void Fill(TValues& a, TValues& b) {
    for (const char* name : kNames) {
      if (gen() % 3 == 0) continue;
      const double v = RandomValue();
      a.SetNumVar(name, v);
      b.SetNumVar(name, v);
    }
  }

  Outcome Run(TValues& values, const std::string& text, const SimpleNumExpr* form) {
    EvalContext ctx{values, desktop.Platform(), random, folders, registry, ini, nullptr};
    Outcome out;
    try {
      out.value = form ? EvalNumExpr(text, form, ctx) : EvalNumExpr(text, ctx);
    } catch (const Error& e) {
      out.failed = true;
      out.message = e.what();
    }
    out.store = values.NumVars();
    return out;
  }

  static bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

  void ExpectSame(const Outcome& fast, const Outcome& general, const std::string& text) {
    ASSERT_EQ(fast.failed, general.failed) << text << ": " << fast.message << general.message;
    ASSERT_EQ(fast.message, general.message) << text;
    if (!fast.failed) {
      ASSERT_EQ(fast.value, general.value) << text;
      ASSERT_EQ(std::signbit(fast.value), std::signbit(general.value)) << text;
    }
    ASSERT_EQ(fast.store.size(), general.store.size()) << text;
    for (std::size_t k = 0; k < fast.store.size(); ++k) {
      ASSERT_EQ(fast.store[k].name, general.store[k].name) << text;
      ASSERT_TRUE(SameBits(fast.store[k].value, general.store[k].value)) << text;
    }
  }

  // Returns how many of the runs the precompiled form answered itself.
  int Compare(int runs, bool nearMiss, int* compiled) {
    int answered = 0;
    for (int k = 0; k < runs; ++k) {
      const std::string text = Expression(nearMiss);
      const auto form = CompileSimpleNumExpr(text);
      if (!form) continue;
      ++*compiled;
      auto fastStore = std::make_unique<TValues>();
      auto generalStore = std::make_unique<TValues>();
      Fill(*fastStore, *generalStore);
      {
        // Straight, to count what the fast path answers without the fallback.
        TValues probe;
        for (const meminteger& v : fastStore->NumVars()) probe.SetNumVar(v.name, v.value);
        if (EvalSimpleNumExpr(*form, probe)) ++answered;
      }
      ExpectSame(Run(*fastStore, text, &*form), Run(*generalStore, text, nullptr), text);
      if (HasFatalFailure()) return answered;
    }
    return answered;
  }
};

TEST_F(SimpleNumExprTest, SimpleShapesGiveWhatTheGeneralEvaluatorGives) {
  int compiled = 0;
  const int cases = test::RandomisedCases(1000000);
  const int answered = Compare(cases, false, &compiled);
  // Chains of three, prefix clashes, "#__OK", "1e3", ".5" and "5." are no
  // simple shape: about half the texts.
  EXPECT_GT(compiled, cases * 2 / 5);
  // Most values read back as plain numbers, so the fast path answers most.
  EXPECT_GT(answered, compiled / 2);
}

TEST_F(SimpleNumExprTest, NearMissShapesGiveWhatTheGeneralEvaluatorGives) {
  int compiled = 0;
  const int cases = test::RandomisedCases(1000000);
  Compare(cases, true, &compiled);
  EXPECT_GT(compiled, cases / 100);  // a blank or a sign that lands at an end may still leave a simple shape
}

TEST_F(SimpleNumExprTest, OnlyTheSimpleShapesAreTaken) {
  for (const char* text : {"#n+#i", "#a", "3", "2.5", "#a*2", "10/#b", "#n-#N", "#nx+#n", "#_a/0.5", "#n9-#n"})
    EXPECT_TRUE(CompileSimpleNumExpr(text)) << text;
  // The first reference's replacement eats the second; blanks, signs,
  // parentheses, exponents, powers, chains and message-box names take
  // other routes of the rewriting.
  for (const char* text : {"#n+#nx", "#N*#nX", "#__OK+1", "#n +#i", " #n", "(#n)", "#n+#i+1", "-#n", "#n+-3",
                           "1e5", ".5", "5.", "#n^2", "#", "", "#a$b", "#n-", "@1%", "#a!b", "#a.b", "1E-5"})
    EXPECT_FALSE(CompileSimpleNumExpr(text)) << '"' << text << '"';
  const auto same = CompileSimpleNumExpr("#Count+#cOUNT");
  ASSERT_TRUE(same);
  EXPECT_TRUE(same->sameVariable);
}

TEST_F(SimpleNumExprTest, ValuesWhoseTextTakesAnotherRouteAreLeftToTheGeneralEvaluator) {
  TValues values;
  const auto form = CompileSimpleNumExpr("#a+#b");
  ASSERT_TRUE(form);
  values.SetNumVar("a", 1);
  values.SetNumVar("b", 1e-7);  // "1E-7": its sign is an operator to the rewriting
  EXPECT_FALSE(EvalSimpleNumExpr(*form, values));
  values.SetNumVar("b", -3);
  EXPECT_EQ(EvalSimpleNumExpr(*form, values), -2.0L);
  values.SetNumVar("b", 0.1);  // "0.1" read back in extended precision, then stored
  EXPECT_EQ(EvalSimpleNumExpr(*form, values), static_cast<double>(1 + 0.1L));
  const auto quotient = CompileSimpleNumExpr("#a/#z");
  ASSERT_TRUE(quotient);
  EXPECT_FALSE(EvalSimpleNumExpr(*quotient, values));  // the general evaluator names the failure
  EXPECT_EQ(values.NumCount(), 3u);                    // "z" created on reading, as the general one does
}

}  // namespace
}  // namespace vx
