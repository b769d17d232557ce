#include <gtest/gtest.h>

#include "tests/script/runner_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

using test::RunnerTest;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* l : lines) text += std::string(l) + "\r\n";
  return text;
}

const std::string kExample = Lines({"#n=0", "2(#i=1,3)step1()", "#n=#n+#i", "1", "0(#n=6)", "5(#n)", "3", "23", "1"});

TEST_F(RunnerTest, ExampleShowsTheSumInAnErrorBox) {
  EXPECT_EQ(Run(kExample), std::nullopt);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].text, "6");
  EXPECT_EQ(desktop.dialogs.Shown()[0].caption, "Show");
  EXPECT_EQ(Num("n"), 6);
}

TEST_F(RunnerTest, ExampleStopsWhenTheSumIsNotSix) {
  std::string script = kExample;
  script.replace(script.find("#n=0"), 4, "#n=1");
  EXPECT_EQ(Run(script + "#after=1\r\n"), std::nullopt);
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
  EXPECT_EQ(Num("after"), 0);  // the stop ended the run
}

TEST_F(RunnerTest, AStatementBudgetEndsAnEndlessLoopAndEveryLaterRun) {
  app->scripts->LimitStatements(50);
  EXPECT_EQ(Run(Lines({"2(#i=1,2000000000)step1()", "#n=#n+1", "1", "#after=1"})), std::nullopt);
  EXPECT_EQ(Num("n"), 25);  // each round counts itself and its statement: 2 x 25 = 50
  EXPECT_EQ(Num("after"), 0);
  EXPECT_EQ(Run("#later=1"), std::nullopt);
  EXPECT_EQ(Num("later"), 0);
}

TEST_F(RunnerTest, AnEmptyLoopBodyStillSpendsTheBudget) {
  app->scripts->LimitStatements(1000);
  EXPECT_EQ(Run(Lines({"2(#i=1,2000000000)step1()", "1"})), std::nullopt);
  EXPECT_LT(Num("i"), 1002);
}

TEST_F(RunnerTest, WithoutABudgetLongLoopsRunToTheirEnd) {
  EXPECT_EQ(Run(Lines({"2(#i=1,20000)step1()", "#n=#n+1", "1"})), std::nullopt);
  EXPECT_EQ(Num("n"), 20000);
}

TEST_F(RunnerTest, AnAuthorFunctionCallingItselfFailsInsteadOfExhaustingTheStack) {
  app->project.functions.push_back(TFunc{"self", "", 0, {"#depth=#depth+1", "108()"}});
  const auto error = Run("108()\r\n#after=1");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("Scripts nested too deeply"), std::string::npos);
  EXPECT_EQ(Num("depth"), 199);  // the outermost run is the script itself
  EXPECT_EQ(Num("after"), 0);
  // The next event's script runs from the bottom again.
  EXPECT_TRUE(Run("#depth=0\r\n108()").has_value());
  EXPECT_EQ(Num("depth"), 199);
}

TEST_F(RunnerTest, RecursionThatEndsItselfRunsToItsEnd) {
  app->project.functions.push_back(TFunc{"count", "", 0, {"#depth=#depth+1", "0(#depth<100)", "108()", "1"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  EXPECT_EQ(Num("depth"), 100);
}

TEST_F(RunnerTest, EmptyScriptAndEmptyLineDoNothing) {
  EXPECT_EQ(Run(""), std::nullopt);
  EXPECT_EQ(Run("\r\n\r\n"), std::nullopt);
  EXPECT_EQ(Run(Lines({"", "#a=1", ""})), std::nullopt);
  EXPECT_EQ(Num("a"), 1);
}

TEST_F(RunnerTest, LineOfSpacesFailsWithTheConversionMessage) {
  EXPECT_EQ(Run(Lines({"#a=1", "   "})), "Line #2: '' is not a valid integer value");
  EXPECT_EQ(Run("abc"), "Line #1: 'abc' is not a valid integer value");
}

TEST_F(RunnerTest, FinalD8ByteIsDropped) {
  EXPECT_EQ(Run("#a=4\xD8\r\n"), std::nullopt);
  EXPECT_EQ(Num("a"), 4);
}

struct BranchCase {
  const char* name;
  std::string script;
  double expected;  // value of r afterwards
};

class BranchTest : public RunnerTest, public ::testing::WithParamInterface<BranchCase> {};

TEST_P(BranchTest, RunsTheRightLines) {
  EXPECT_EQ(Run(GetParam().script), std::nullopt);
  EXPECT_EQ(Num("r"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BranchTest,
    ::testing::Values(
        BranchCase{"ElseAfterFalse", Lines({"0(1=2)", "#r=#r+1", "3", "#r=#r+10", "1", "#r=#r+100"}), 110},
        BranchCase{"ElseAfterTrue", Lines({"0(1=1)", "#r=#r+1", "3", "#r=#r+10", "1", "#r=#r+100"}), 101},
        BranchCase{"FalseWithoutElse", Lines({"0(1=2)", "#r=#r+1", "1", "#r=#r+100"}), 100},
        BranchCase{"NestedInSkippedBranch",
                   Lines({"0(1=2)", "0(1=1)", "#r=#r+1", "3", "#r=#r+2", "1", "2(#i=1,3)", "#r=#r+4", "1", "3",
                          "#r=#r+10", "1"}),
                   10},
        BranchCase{"NestedInRunningBranch", Lines({"0(1=1)", "0(2=3)", "#r=#r+1", "3", "#r=#r+2", "1", "1"}), 2},
        BranchCase{"AndNeedsEveryClause", Lines({"0(1=1)&(1=2)", "#r=1", "1"}), 0},
        BranchCase{"OrNeedsOneClause", Lines({"0(1=2)|(1=1)", "#r=1", "1"}), 1},
        BranchCase{"OperatorsTwoCharacters", Lines({"0(2>=2)", "#r=#r+1", "1", "0(1<>1)", "#r=#r+10", "1",
                                                    "0(1=<2)", "#r=#r+100", "1"}),
                   101},
        BranchCase{"InvalidOperatorIsFalse", Lines({"0(1==1)", "#r=1", "1"}), 0},
        BranchCase{"TextComparison", Lines({"0(\"b\">\"a\")", "#r=#r+1", "1", "0(\"a\"=\"a\")", "#r=#r+10", "1",
                                            "0(\"a\">=\"a\")", "#r=#r+100", "1"}),
                   11},
        BranchCase{"StopEndsTheRun", Lines({"#r=1", "23", "#r=2"}), 1}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunnerTest, TextLessThanFailsWithEmptyMessage) {
  EXPECT_EQ(Run(Lines({"0(\"a\"<\"b\")", "1"})), "Line #1: ");
}

struct LoopCase {
  const char* name;
  const char* header;
  const char* body;  // adds the loop value into the checksum h
  double checksum;
  double count;
};

class LoopTest : public RunnerTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(LoopTest, RunsTheBodyWithEachValue) {
  const LoopCase& c = GetParam();
  EXPECT_EQ(Run(Lines({c.header, c.body, "#c=#c+1", "1"})), std::nullopt);
  EXPECT_EQ(Num("h"), c.checksum);
  EXPECT_EQ(Num("c"), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    ForLoops, LoopTest,
    ::testing::Values(LoopCase{"Ascending", "2(#i=1,3)step1()", "#h=#h*10+#i", 123, 3},
                      LoopCase{"NoStepPart", "2(#i=1,3)", "#h=#h*10+#i", 123, 3},
                      LoopCase{"StepTwo", "2(#i=1,6)step2()", "#h=#h*10+#i", 135, 3},
                      LoopCase{"Descending", "2(#i=3,1)step1()", "#h=#h*10+#i", 321, 3},
                      LoopCase{"DescendingStepTwo", "2(#i=5,0)step2()", "#h=#h*10+#i", 531, 3},
                      LoopCase{"StartEqualsEnd", "2(#i=2,2)step1()", "#h=#h*10+#i", 2, 1},
                      LoopCase{"HalfSteps", "2(#i=0,2)step0.5()", "#h=#h*10+#i*2", 1234, 5},
                      LoopCase{"EndNotWhole", "2(#i=0,1.5)step0.5()", "#h=#h*10+#i*2", 123, 4},
                      LoopCase{"DescendingToNotWhole", "2(#i=2,0.5)step0.5()", "#h=#h*10+#i*2", 4321, 4},
                      LoopCase{"NegativeStepCountsLikeItsSize", "2(#i=3,1)step-1()", "#h=#h*10+#i", 321, 3},
                      LoopCase{"SpacesInHeader", "2( #i = 1 , 2 ) step 1 ()", "#h=#h*10+#i", 12, 2}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunnerTest, StepZeroFailsInsteadOfLoopingForever) {
  const auto error = Run(Lines({"#a=1", "2(#i=1,3)step0()", "#c=#c+1", "1"}));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, "Line #2: A for loop with step 0 never ends");
  EXPECT_EQ(Num("c"), 0);
}

TEST_F(RunnerTest, StopInsideForLoopEndsTheEnclosingRun) {
  EXPECT_EQ(Run(Lines({"2(#i=1,5)", "#c=#c+1", "0(#i=2)", "23", "1", "#d=#d+1", "1", "#after=1"})), std::nullopt);
  EXPECT_EQ(Num("c"), 2);
  EXPECT_EQ(Num("d"), 1);
  EXPECT_EQ(Num("after"), 0);
}

TEST_F(RunnerTest, StopLeftPendingByTheLastLineDoesNotEndTheNextScript) {
  EXPECT_EQ(Run(Lines({"#a=1", "23"})), std::nullopt);
  EXPECT_EQ(Run("#b=1"), std::nullopt);
  EXPECT_EQ(Num("b"), 1);
}

TEST_F(RunnerTest, ErrorsInNestedRunsCarryEveryLineNumber) {
  EXPECT_EQ(Run(Lines({"#a=1", "2(#i=1,2)", "#b=1", "x", "1"})),
            "Line #2: Line #2: 'x' is not a valid integer value");
  app->project.functions.push_back(TFunc{"f", "", 0, {"#q=1", "", "0(1=1)", "zz", "1"}});
  EXPECT_EQ(Run(Lines({"", "108()"})), "Line #2: Line #4: 'zz' is not a valid integer value");
}

TEST_F(RunnerTest, ForWithoutEndIsRecordedAndDoesNotLoop) {
  EXPECT_EQ(Run(Lines({"2(#i=1,3)", "#c=#c+1"})), std::nullopt);
  EXPECT_EQ(Num("c"), 1);
  EXPECT_EQ(Num("i"), 1);
  const RunnerState& st = app->scripts->main.state;
  ASSERT_EQ(st.forDepth, 1);
  EXPECT_EQ(st.ForStack[1].variable, "i");  // the "#" after "(" is not part of it
  EXPECT_EQ(st.ForStack[1].start, 1);
  EXPECT_EQ(st.ForStack[1].end, 3);
  EXPECT_EQ(st.BlockKind, kBlockFor);
}

TEST_F(RunnerTest, IfWithoutEndSkipsTheRestThroughTheLegacyPath) {
  EXPECT_EQ(Run(Lines({"0(1=2)", "#a=1", "1", "#b=1"})), std::nullopt);
  // An end exists, so the fast path skipped the block.
  EXPECT_EQ(Num("a"), 0);
  EXPECT_EQ(Num("b"), 1);
  EXPECT_EQ(Run(Lines({"0(1=2)", "#c=1", "#d=1"})), std::nullopt);
  EXPECT_EQ(Num("c"), 0);
  EXPECT_EQ(Num("d"), 0);
  EXPECT_EQ(app->scripts->main.state.ifDepth, 1);
}

TEST_F(RunnerTest, AnEndWithoutBlockKeepsDepthsAtZero) {
  EXPECT_EQ(Run(Lines({"1", "1", "0(1=1)", "#a=1"})), std::nullopt);
  EXPECT_EQ(Num("a"), 1);
  EXPECT_EQ(app->scripts->main.state.forDepth, 0);
}

TEST_F(RunnerTest, AssignmentsOfTheThreeKinds) {
  EXPECT_EQ(Run(Lines({"# n = 2+3", "$ s =   \"a b\"", "!f=#n-4", "!g=0"})), std::nullopt);
  EXPECT_EQ(Num("n"), 5);
  EXPECT_EQ(Str("s"), "a b");
  EXPECT_TRUE(app->values.GetBoolVar("f"));
  EXPECT_FALSE(app->values.GetBoolVar("g"));
}

TEST_F(RunnerTest, FunctionWithSlotZeroSeesItsArguments) {
  app->project.functions.push_back(TFunc{"f", "", 0, {"$got=$1", "$second=$2", "#ran=#ran+1"}});
  EXPECT_EQ(Run(Lines({"$2=\"old\"", "108(\"abc\", )", "#after=#ran"})), std::nullopt);
  EXPECT_EQ(Str("got"), "abc");
  EXPECT_EQ(Str("second"), "");  // a blank argument is evaluated too
  EXPECT_EQ(Num("after"), 1);
}

TEST_F(RunnerTest, MissingFunctionFails) {
  EXPECT_EQ(Run("109()"), "Line #1: Function #2 does not exist");
}

TEST_F(RunnerTest, StopInsideAFunctionEndsOnlyTheFunction) {
  app->project.functions.push_back(TFunc{"f", "", 0, {"#a=1", "23", "#a=2"}});
  EXPECT_EQ(Run(Lines({"108()", "#b=1"})), std::nullopt);
  EXPECT_EQ(Num("a"), 1);
  EXPECT_EQ(Num("b"), 1);
}

}  // namespace
}  // namespace vx
