// The lookup shortcuts of the evaluators and the variable store must find
// exactly what the general routines find.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "util/text_search.h"
#include "values/eval_internal.h"
#include "values/variables.h"

namespace vx {
namespace {

std::string RandomText(std::mt19937& random, std::string_view alphabet, int maxLength) {
  std::string text(random() % static_cast<unsigned>(maxLength + 1), ' ');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

TEST(LookupFastPaths, CaseBlindSearchFindsWhatThePlainSearchFinds) {
  std::mt19937 random(2412);
  // Marks without case, letters of both cases, the bytes next to A-Z and
  // a-z, and one byte above 127.
  constexpr std::string_view kAlphabet = "#$!+-aAbBzZ@[`{1 \xC9";
  for (int i = 0; i < 1000000; ++i) {
    const std::string text = RandomText(random, kAlphabet, 16);
    const std::string token = RandomText(random, kAlphabet, 4);
    const std::size_t from = random() % 20;
    ASSERT_EQ(eval::FindNoCase(text, token, from), eval::detail::FindNoCaseGeneral(text, token, from))
        << '"' << text << "\" \"" << token << "\" from " << from;
  }
}

TEST(LookupFastPaths, ReplacingReferencesAgreesWithThePlainSearch) {
  EXPECT_EQ(eval::ReplaceAllNoCase("#N+#n+#nn-#m", "#n", "5"), "5+5+5n-#m");
  EXPECT_EQ(eval::ReplaceAllNoCase("#n", "#n", "#n"), "#n");
  EXPECT_EQ(eval::ReplaceAllNoCase("##n", "#n", "x"), "#x");
}

TEST(LookupFastPaths, OperatorSearchesAsBefore) {
  EXPECT_EQ(FirstOfAnyOutsideBrackets("[a+b]*c", "+-*"), 6);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("abc", "+-*"), -1);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("a]+b", "+"), 3);
  EXPECT_EQ(OperatorAfter("12+3", 1), 3);
  EXPECT_EQ(OperatorAfter("12+3", 4), 5);
  EXPECT_EQ(OperatorAfter("a^b", 0), 2);
}

// The store looked up by names in every spelling agrees with a plain map
// keyed by the normalised name (the runner now hands it the target names it
// cut once per script).
TEST(LookupFastPaths, NamesAsWrittenReachTheSameVariables) {
  std::mt19937 random(1224);
  constexpr std::string_view kAlphabet = "aAbB zZ_1@[\xC9";
  TValues values;
  std::map<std::string, double> numbers;
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> flags;
  for (int i = 0; i < 200000; ++i) {
    const std::string name = RandomText(random, kAlphabet, 4);
    const std::string key = NormaliseVarName(name);
    switch (random() % 6) {
      case 0: values.SetNumVar(name, i); numbers[key] = i; break;
      case 1: ASSERT_EQ(values.GetNumVar(name), numbers[key]) << '"' << name << '"'; break;
      case 2: values.SetStrVar(name, std::to_string(i)); texts[key] = std::to_string(i); break;
      case 3: ASSERT_EQ(values.GetStrVar(name), texts[key]) << '"' << name << '"'; break;
      case 4: values.SetBoolVar(name, i % 2 != 0); flags[key] = i % 2 != 0; break;
      default: ASSERT_EQ(values.GetBoolVar(name), flags[key]) << '"' << name << '"'; break;
    }
  }
  EXPECT_EQ(values.NumCount(), numbers.size());
  EXPECT_EQ(values.StrCount(), texts.size());
  EXPECT_EQ(values.BoolCount(), flags.size());
  for (const meminteger& entry : values.NumVars()) EXPECT_EQ(NormaliseVarName(entry.name), entry.name);
}

}  // namespace
}  // namespace vx
