// Scripts taken apart once: the parsed forms agree with what the runner
// used to cut from every line on every run, and the cache never hands out
// the parse of another text.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "script/block_scan.h"
#include "script/parsed_script.h"
#include "script/text_primitives.h"
#include "tests/script/runner_fixture.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/text_search.h"

namespace vx {
namespace {

using test::RunnerTest;

constexpr int kAll = 1 << 30;

// What the runner computed from one stored line on every run.
void ExpectSameAsPerRunWork(const std::string& stored) {
  const ParsedStatement p = ParseStatement(stored);
  SCOPED_TRACE(stored);
  EXPECT_EQ(p.scanCompact, StripSpaces(stored, false));
  EXPECT_EQ(p.scanCode, StatementCode(stored));
  std::string line = stored;
  if (!line.empty() && line.back() == '\xD8') line.pop_back();
  EXPECT_EQ(p.line, line);
  EXPECT_EQ(p.code, StatementCode(line));
  if (line.empty()) {
    EXPECT_EQ(p.form, ParsedStatement::Form::Empty);
    return;
  }
  const std::string compact = StripSpaces(line, false);
  if (compact[0] == '#' || compact[0] == '$' || compact[0] == '!') {
    ASSERT_EQ(p.form, ParsedStatement::Form::Assignment);
    const std::string s = StripSpaces(line, true);
    const int equal = PosOf("=", s);
    EXPECT_EQ(p.target, CopyText(s, 2, equal - 2));
    const std::string expected = compact[0] == '#'   ? CopyText(s, equal + 1, kAll)
                                 : compact[0] == '$' ? StripSpaces(CopyText(s, equal + 1, kAll), true)
                                                     : CopyText(compact, PosOf("=", compact) + 1, kAll);
    EXPECT_EQ(p.expression, expected);
    return;
  }
  ASSERT_EQ(p.form, ParsedStatement::Form::Call);
  try {
    const int number = StrToInt(compact.substr(0, compact.find('(')));
    EXPECT_EQ(p.number, number);
  } catch (const Error&) {
    EXPECT_FALSE(p.number.has_value());
  }
  const int commas = CountOutsideQuotes(",", compact);
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(p.args[static_cast<std::size_t>(k - 1)], k == 1 || commas >= k - 1 ? GetArgument(line, k) : "");
}

TEST(ParsedScript, RandomLinesParseAsTheRunnerCutThemEveryRun) {
  std::mt19937 rng(24);
  static constexpr char kAlphabet[] = "  #$!=(),\"12309-+abcXYZ.\xD8";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
  std::uniform_int_distribution<int> length(0, 24);
  for (int n = 0; n < 200000; ++n) {
    std::string line;
    for (int k = length(rng); k > 0; --k) line += kAlphabet[pick(rng)];
    ExpectSameAsPerRunWork(line);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(ParsedScript, EdgeLines) {
  for (const char* line : {"", " ", "\xD8", "#", "#=", "$a = \"x\"", "!f=#a>1\xD8", "  2 ( #i = 1 , 3 ) step 1 ()",
                           "10(\"a,b\",\"Main\").0", "x(1)", "99999999999(1)", "1", " 1 \xD8", "3", "0(#a=1)"})
    ExpectSameAsPerRunWork(line);
}

TEST(ParsedScriptCache, TheSameLinesShareOneParse) {
  ParsedScriptCache cache;
  const LineList lines{"#a=1", "#b=2"};
  const auto first = cache.Get(lines);
  EXPECT_EQ(cache.Get(LineList(lines)), first);
  EXPECT_EQ(first->source, lines);
}

TEST(ParsedScriptCache, OneChangedCharacterIsAnotherScript) {
  ParsedScriptCache cache;
  const auto a = cache.Get({"#a=1", "#b=2"});
  const auto b = cache.Get({"#a=1", "#b=3"});
  EXPECT_NE(a, b);
  EXPECT_EQ(b->statements[1].expression, "3");
  // Lines split elsewhere are other lines.
  const auto c = cache.Get({"#a=1#b=2"});
  EXPECT_EQ(c->statements.size(), 1u);
  EXPECT_EQ(cache.Get({"#a=1", "#b=2"}), a);
}

TEST(ParsedScriptCache, StaysBoundedAndKeepsParsesInUse) {
  ParsedScriptCache cache;
  const auto held = cache.Get({"#held=1"});
  for (std::size_t i = 0; i < 3 * ParsedScriptCache::kMaxScripts; ++i) cache.Get({"#v=" + std::to_string(i)});
  EXPECT_LE(cache.size(), ParsedScriptCache::kMaxScripts);
  EXPECT_EQ(held->statements[0].target, "held");
}

TEST_F(RunnerTest, AFinalMarkCountsForBlockSearchesButNotWhenTheLineRuns) {
  // The marked end does not close the loop for the search; the marked
  // assignment still runs as an assignment.
  EXPECT_EQ(Run("2(#i=1,3)\r\n#n=#n+1\xD8\r\n1\xD8\r\n1\r\n"), std::nullopt);
  EXPECT_EQ(Num("n"), 3);
}

TEST_F(RunnerTest, ALoopBodyIsNumberedFromItsFirstLine) {
  const auto error = Run("#a=1\r\n2(#i=1,2)\r\n#b=1\r\nx(1)\r\n1\r\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->rfind("Line #2: Line #2: ", 0), 0u) << *error;
}

TEST_F(RunnerTest, AStatementWithoutANumberFailsWhenItRunsAsItAlwaysDid) {
  const auto error = Run("#b=1\r\nx(1)\r\n#b=2\r\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, std::string("Line #2: ") + NotAnInteger("x").what());
  EXPECT_EQ(Num("b"), 1);
}

}  // namespace
}  // namespace vx
