#include <cmath>

#include "tests/values/eval_fixture.h"
#include "util/error.h"

namespace vx::test {
namespace {

class EvalNumTest : public EvalTest {};

struct Case {
  const char* text;
  long double value;
};

TEST_F(EvalNumTest, PrecedenceAndAssociativity) {
  for (const Case& c : {Case{"2+3*4", 14}, {"2*3^2", 36}, {"2^3^2", 64}, {"10-4-3", 3},
                        {"8/4/2", 1}, {"7", 7}, {"1+2+3+4", 10}, {"2*3+4*5", 26},
                        {"10/4", 2.5}, {" 7 ", 7}, {"1.5*2", 3}})
    EXPECT_EQ(Num(c.text), c.value) << c.text;
}

TEST_F(EvalNumTest, Signs) {
  for (const Case& c : {Case{"-2^2", 4}, {"-5+3", -2}, {"+5-3", 2}, {"1--1", 2}, {"2*-3", -6},
                        {"2*-3+1", -5}, {"2/-4", -0.5}, {"-7", -7}, {"-2*-3", 6}, {"1+-1", 0},
                        {"2^-1", 0.5}})
    EXPECT_EQ(Num(c.text), c.value) << c.text;
}

TEST_F(EvalNumTest, FailuresNameTheOutermostWorkingText) {
  struct Fail {
    const char* text;
    const char* named;
  };
  for (const Fail& f : {Fail{"2/-4+1", "2/-4+1"}, {"5+", "5+"}, {"1/0", "1/0"}, {"abc", "abc"},
                        {"", ""}, {"0/0", "0/0"}, {"(-8)^0.5", "-8^0.5"}, {"1+2+3/0", "1+2+3/0"},
                        {"2*3+1/0", "6+1/0"}, {"1E400*1", "1E400*1"}})
    EXPECT_EQ(NumError(f.text), std::string("'") + f.named + "' is not a valid integer value") << f.text;
}

TEST_F(EvalNumTest, Parentheses) {
  EXPECT_EQ(Num("(1+2)*(3+4)"), 21);
  EXPECT_EQ(Num("((2))"), 2);
  EXPECT_EQ(Num("2*(3+(4-1))"), 12);
  EXPECT_EQ(Num("()5"), 5);  // "()" is removed first
  EXPECT_NE(NumError("(1+2"), "no error");
  EXPECT_NE(NumError("(())"), "no error");
}

TEST_F(EvalNumTest, NumberVariables) {
  values.SetNumVar("a", 5);
  values.SetNumVar("ab", 7);
  EXPECT_EQ(Num("#ab+#a"), 12);
  EXPECT_EQ(NumError("#a+#ab"), "'5+5b' is not a valid integer value");
  EXPECT_EQ(Num("#A*2"), 10);
  EXPECT_NE(NumError("(1+#a)*2"), "no error");
  EXPECT_NE(NumError("(1+#a )*2"), "no error");
  values.SetNumVar("neg", -3);
  EXPECT_EQ(Num("2*#neg"), -6);
  EXPECT_EQ(Num("#missing"), 0);
}

TEST_F(EvalNumTest, FlagAndTextVariables) {
  values.SetBoolVar("on", true);
  EXPECT_EQ(Num("!on+!off"), 1);
  values.SetStrVar("a", "1+$b");
  values.SetStrVar("b", "2");
  EXPECT_EQ(Num("10*$a"), 12);  // spliced as text: 10*1+2
  values.SetStrVar("self", "1+$self");
  EXPECT_NE(NumError("$self"), "no error");
  values.SetStrVar("x", "$y");
  values.SetStrVar("y", "$x");
  EXPECT_NE(NumError("2*$x"), "no error");
}

TEST_F(EvalNumTest, MessageBoxNamesInAnyCase) {
  EXPECT_EQ(Num("#__YES"), 6);
  EXPECT_EQ(Num("#__yes"), 6);
  EXPECT_EQ(Num("#__TryAgain+#__CONTINUE"), 21);
  EXPECT_EQ(Num("#__OK*#__CANCEL"), 2);
}

TEST_F(EvalNumTest, ResultIsStoredAsDouble) {
  const long double third = Num("1/3");
  EXPECT_EQ(third, static_cast<long double>(1.0 / 3.0));
  EXPECT_EQ(Num("0.1+0.2"), static_cast<long double>(static_cast<double>(0.1L + 0.2L)));
}

TEST_F(EvalNumTest, PowerRules) {
  EXPECT_EQ(Num("0^0"), 1);
  EXPECT_EQ(Num("0^2"), 0);
  EXPECT_EQ(Num("2^10"), 1024);
  EXPECT_EQ(Num("(-2)^3"), -8);
  EXPECT_NEAR(static_cast<double>(Num("4^0.5")), 2.0, 1e-12);
  EXPECT_NE(NumError("0^-1"), "no error");
}

TEST_F(EvalNumTest, DeepNestingFailsInsteadOfOverflowing) {
  const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
  EXPECT_NE(NumError(deep), "no error");
}

TEST_F(EvalNumTest, LongSumsRunWithoutDeepRecursion) {
  std::string sum = "1";
  for (int i = 0; i < 2000; ++i) sum += "+1";
  EXPECT_EQ(Num(sum), 2001);
}

}  // namespace
}  // namespace vx::test
