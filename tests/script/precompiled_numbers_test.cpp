// Assignments whose expressions run precompiled on numbers end exactly as
// the text-rewriting evaluator ends them, failures included.

#include <gtest/gtest.h>

#include "tests/script/runner_fixture.h"
#include "values/expressions.h"

namespace vx::test {
namespace {

class PrecompiledNumbersTest : public RunnerTest {};

TEST_F(PrecompiledNumbersTest, ACountingLoopSumsItsTurns) {
  EXPECT_EQ(Run("#n=0\r\n2(#i=1,1000)\r\n#n=#n+#i\r\n1\r\n"), std::nullopt);
  EXPECT_EQ(Num("n"), 500500);
  EXPECT_EQ(Num("i"), 1000);
}

TEST_F(PrecompiledNumbersTest, DivisionByZeroFailsNamingTheRewrittenText) {
  EXPECT_EQ(Run("#z=0\r\n#x=5/#z"), "Line #2: '5/0' is not a valid integer value");
  EXPECT_EQ(Run("#z=0\r\n#x=#z/#z"), "Line #2: '0/0' is not a valid integer value");
}

TEST_F(PrecompiledNumbersTest, AReferenceThatBeginsWithAnotherIsEatenByIt) {
  EXPECT_EQ(Run("#n=5\r\n#nx=7\r\n#y=#n+#nx"), "Line #3: '5+5x' is not a valid integer value");
}

TEST_F(PrecompiledNumbersTest, DecimalsReadBackFromTheirFifteenDigits) {
  EXPECT_EQ(Run("#a=1\r\n#a=#a/3\r\n#b=#a+#a\r\n#c=#a*3"), std::nullopt);
  app->values.SetNumVar("a", 1.0 / 3);
  EXPECT_EQ(Num("b"), static_cast<double>(EvalNumExpr("#a+#a", app->eval)));
  EXPECT_EQ(Num("c"), static_cast<double>(EvalNumExpr("#a*3", app->eval)));
  EXPECT_NE(Num("c"), 1.0);  // 0.333333333333333 times 3
}

TEST_F(PrecompiledNumbersTest, NegativeValuesFoldWithTheOperator) {
  EXPECT_EQ(Run("#a=0-4\r\n#b=10-#a\r\n#c=#a-#a\r\n#d=#a*#a\r\n#e=7/#a"), std::nullopt);
  EXPECT_EQ(Num("b"), 14);
  EXPECT_EQ(Num("c"), 0);
  EXPECT_EQ(Num("d"), 16);
  EXPECT_EQ(Num("e"), -1.75);
}

TEST_F(PrecompiledNumbersTest, FlagsTakeThePrecompiledNumber) {
  EXPECT_EQ(Run("#a=1\r\n#b=2\r\n!f=#a-#b\r\n!g=#b-#a\r\n!h=#a-#A"), std::nullopt);
  EXPECT_FALSE(app->values.GetBoolVar("f"));
  EXPECT_TRUE(app->values.GetBoolVar("g"));
  EXPECT_FALSE(app->values.GetBoolVar("h"));
}

TEST_F(PrecompiledNumbersTest, AValueWithASignedExponentTakesTheGeneralRoute) {
  // The exponent's sign is an operator to the rewriting, which then cuts
  // "1E-7" apart and fails.
  EXPECT_EQ(Run("#a=1\r\n#a=#a/10000000\r\n#b=#a+1"), "Line #3: '1E-7+1' is not a valid integer value");
  // Without a sign the exponent reads as a number.
  EXPECT_EQ(Run("#a=1\r\n#a=#a*100000000000000000000\r\n#b=#a+1"), std::nullopt);
  EXPECT_EQ(Num("b"), 1e20);
}

}  // namespace
}  // namespace vx::test
