#include "util/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vx {
namespace {

TEST(TextBlanks, StripSpaces) {
  EXPECT_EQ(StripSpaces("  a b  c ", false), "abc");
  EXPECT_EQ(StripSpaces("  a b  c ", true), "a b  c ");
  EXPECT_EQ(StripSpaces("   ", true), "");
  EXPECT_EQ(StripSpaces("", false), "");
  // Only the space is a blank.
  EXPECT_EQ(StripSpaces("\ta", true), "\ta");
}

TEST(TextBlanks, TrimTrailing) {
  EXPECT_EQ(TrimTrailing(" a b  "), " a b");
  EXPECT_EQ(TrimTrailing("    "), "");
  EXPECT_EQ(TrimTrailing("x"), "x");
}

TEST(TextBlanks, TrimAfterKeepsHeadAndTrimsRest) {
  EXPECT_EQ(TrimAfter("ab   cd ", 2, false), "abcd ");
  EXPECT_EQ(TrimAfter("a   b", 2, false), "a b");
  EXPECT_EQ(TrimAfter("  x", 0, false), "x");
  EXPECT_EQ(TrimAfter("abc", 10, false), "abc");
  EXPECT_EQ(TrimAfter("  abc", -1, false), "abc");
  EXPECT_FALSE(TrimAfter("ab   cd", 2, true).has_value());
}

TEST(TextCounting, OccurrencesOverlap) {
  EXPECT_EQ(CountOccurrences("aa", "aaaa"), 3);
  EXPECT_EQ(CountOccurrences(",", "a,b,,c"), 3);
  EXPECT_EQ(CountOccurrences("abc", "ab"), 0);
  EXPECT_EQ(CountOccurrences("", "abc"), 0);
}

TEST(TextCounting, OutsideQuotes) {
  EXPECT_EQ(CountOutsideQuotes(",", "a,\"b,c\",d"), 2);
  EXPECT_EQ(CountOutsideQuotes(",", "\"unclosed,"), 0);
  EXPECT_EQ(CountOutsideQuotes("", "a"), 0);
  // The quote at the token's own position toggles first: the opening quote is
  // inside, the closing one outside.
  EXPECT_EQ(CountOutsideQuotes("\"", "a\"b\"c"), 1);
  EXPECT_EQ(CountOutsideQuotes("\"b", "\"b\"b"), 1);
}

struct NthCase {
  const char* token;
  const char* text;
  int n;
  bool backwards;
  int expected;
};

class PosOfNthTest : public ::testing::TestWithParam<NthCase> {};

TEST_P(PosOfNthTest, FindsOccurrenceStart) {
  const NthCase& c = GetParam();
  EXPECT_EQ(PosOfNth(c.token, c.text, c.n, c.backwards), c.expected)
      << c.token << " in " << c.text << " n=" << c.n << " backwards=" << c.backwards;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PosOfNthTest,
    ::testing::Values(NthCase{",", "a,b,c", 1, false, 2}, NthCase{",", "a,b,c", 2, false, 4},
                      NthCase{",", "a,b,c", 3, false, 0}, NthCase{",", "a,b,c", 1, true, 4},
                      NthCase{",", "a,b,c", 2, true, 2}, NthCase{",", "a,b,c", 3, true, 0},
                      NthCase{"aa", "aaaa", 2, false, 2}, NthCase{"aa", "aaaa", 3, false, 3},
                      NthCase{"aa", "aaaa", 1, true, 3}, NthCase{"aa", "aaaa", 3, true, 1},
                      NthCase{"aa", "aaaa", 4, true, 0}, NthCase{"ab", "ab", 1, true, 1},
                      NthCase{"abc", "ab", 1, true, 0}, NthCase{",", "a,b", 0, false, 0},
                      NthCase{",", "a,b", -1, true, 0}, NthCase{"", "abc", 1, false, 0}));

TEST(TextBrackets, FirstOfAnySkipsBracketedText) {
  EXPECT_EQ(FirstOfAnyOutsideBrackets("a[+]+b", "+-"), 5);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("a-b", "+-"), 2);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("[a[b]c]d", "abcd"), 8);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("abc", "xyz"), -1);
  EXPECT_EQ(FirstOfAnyOutsideBrackets("", "a"), -1);
  // The brackets themselves never match.
  EXPECT_EQ(FirstOfAnyOutsideBrackets("[x]", "[]"), -1);
  // After a stray "]" the depth is below zero, which counts as outside.
  EXPECT_EQ(FirstOfAnyOutsideBrackets("]x", "x"), 2);
}

TEST(TextBrackets, NthClosingCountsOnlyDepthOne) {
  const char* text = "f(a(b)c)d(e)";
  EXPECT_EQ(PosOfNthClosing("(", ")", text, 1), 8);
  EXPECT_EQ(PosOfNthClosing("(", ")", text, 2), 12);
  EXPECT_EQ(PosOfNthClosing("(", ")", text, 3), kNotFound);
  EXPECT_EQ(PosOfNthClosing("(", ")", "a)b", 1), kNotFound);
  // A stray close lowers the depth, so the next pair is at depth 0.
  EXPECT_EQ(PosOfNthClosing("(", ")", ")(x)", 1), kNotFound);
  EXPECT_EQ(PosOfNthClosing("begin", "end", "begin x begin y end end", 1), 21);
  EXPECT_EQ(PosOfNthClosing("(", ")", "", 1), kNotFound);
}

TEST(TextQuotes, NthOutsideQuotesGivesLastCharacter) {
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", ",", "f(a,b)", 1), 4);
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", ",", "f(a,b)", 2), kNotFound);
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", ",", "\"a,b\",c", 1), 6);
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", "and", "x and y", 1), 5);
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", "aa", "aaa", 2), 3);
  EXPECT_EQ(PosOfNthOutsideQuotes("'", ",", "'a,b',c", 1), 6);
  // A quote of two characters never equals the single character tested.
  EXPECT_EQ(PosOfNthOutsideQuotes("''", ",", "'a,b',c", 1), 3);
  // Toggled on the token's own position.
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", "\"", "a\"b\"c", 1), 4);
  EXPECT_EQ(PosOfNthOutsideQuotes("\"", "", "abc", 1), kNotFound);
}

struct TopLevelCase {
  const char* text;
  const char* token;
  int n;
  int expected;
};

class AtTopLevel : public ::testing::TestWithParam<TopLevelCase> {};

TEST_P(AtTopLevel, CountsOnlyDepthZeroOutsideQuotes) {
  const TopLevelCase& c = GetParam();
  EXPECT_EQ(PosOfNthAtTopLevel("\"", "(", ")", c.n, c.text, c.token), c.expected)
      << c.token << " in " << c.text << " n=" << c.n;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtTopLevel,
    ::testing::Values(TopLevelCase{"f(a,b),c", ",", 1, 7}, TopLevelCase{"f(a,b),c", ",", 2, kNotFound},
                      TopLevelCase{"a,(b,(c,d)),e", ",", 2, 12},
                      TopLevelCase{"\"(\",x", ",", 1, 4},
                      TopLevelCase{"\",\"(,),z", ",", 1, 7},
                      // The open is tested after the token at the same position.
                      TopLevelCase{"a(b(c))", "(", 1, 2}, TopLevelCase{"a(b(c))", "(", 2, kNotFound},
                      TopLevelCase{"(a)(b)", ")", 1, kNotFound},
                      // A stray close leaves the depth below zero.
                      TopLevelCase{"),x", ",", 1, kNotFound},
                      // With a two-character token the one-character marks are never seen.
                      TopLevelCase{"\"ab\"ab", "ab", 1, 3}, TopLevelCase{"(ab)ab", "ab", 1, 3},
                      TopLevelCase{"", ",", 1, kNotFound}, TopLevelCase{"a,b", "", 1, kNotFound}));

TEST(ReplaceOutsideQuotesTest, LeavesQuotedOccurrenceAndIgnoresCase) {
  EXPECT_EQ(ReplaceOutsideQuotes("x+\"x\"+X", "x", "y", "\""), "y+\"x\"+y");
  EXPECT_EQ(ReplaceOutsideQuotes("ABC abc", "Bc", "-", "\""), "A- a-");
  EXPECT_EQ(ReplaceOutsideQuotes("none here", "x", "y", "\""), "none here");
  EXPECT_EQ(ReplaceOutsideQuotes("abc", "", "y", "\""), "abc");
  EXPECT_EQ(ReplaceOutsideQuotes("", "x", "y", "\""), "");
  EXPECT_EQ(ReplaceOutsideQuotes("\"x\"", "x", "y", "\""), "\"x\"");
  EXPECT_EQ(ReplaceOutsideQuotes("a x b", "x", "", "\""), "a  b");
}

TEST(ReplaceOutsideQuotesTest, RescansTheWholeNewText) {
  // A splice that forms a new occurrence with the text before it.
  EXPECT_EQ(ReplaceOutsideQuotes("aabb", "ab", "a", "\""), "aa");
  EXPECT_EQ(ReplaceOutsideQuotes("aaab", "ab", "b", "\""), "b");
  // A quote in the replacement changes the state of the text after it.
  EXPECT_EQ(ReplaceOutsideQuotes("x+x", "x", "\"", "\""), "\"+x");
}

TEST(ReplaceOutsideQuotesTest, ReplacementHoldingTheTokenMakesOnePass) {
  EXPECT_EQ(ReplaceOutsideQuotes("x+x", "x", "xx", "\""), "xx+xx");
  EXPECT_EQ(ReplaceOutsideQuotes("x+\"x\"", "X", "(x)", "\""), "(x)+\"x\"");
  EXPECT_EQ(ReplaceOutsideQuotes("ab", "ab", "_AB_", "\""), "_AB_");
  // One pass: the splice does not search text it produced.
  EXPECT_EQ(ReplaceOutsideQuotes("aab", "ab", "ab", "\""), "aab");
}

TEST(ReplaceOutsideQuotesTest, EndsWhenSplicesKeepFormingOccurrences) {
  // ab -> bbaa never runs out of occurrences when every one is searched again.
  const std::string result = ReplaceOutsideQuotes("aab", "ab", "bbaa", "\"");
  EXPECT_LT(result.size(), 100000u);
  EXPECT_EQ(result.substr(0, 2), "bb");
}

// The routine done pass by pass, searching the whole text each time; gives up after a number of
// passes, where the fast routine must still agree whenever this one ends.
std::optional<std::string> SlowReplace(std::string text, const std::string& token,
                                       const std::string& replacement) {
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  for (int pass = 0; pass < 200; ++pass) {
    const int last = PosOfNthOutsideQuotes("\"", lower(token), lower(text), 1);
    if (last == kNotFound) return text;
    const std::size_t start = static_cast<std::size_t>(last) - token.size();
    text = text.substr(0, start) + replacement + text.substr(start + token.size());
  }
  return std::nullopt;
}

TEST(ReplaceOutsideQuotesTest, AgreesWithThePassByPassForm) {
  std::mt19937 random(12345);
  const std::string alphabet = "aAb\"";
  auto draw = [&](std::size_t maxLength, std::size_t minLength) {
    std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s(length(random), ' ');
    for (char& c : s) c = alphabet[pick(random)];
    return s;
  };
  int compared = 0;
  for (int round = 0; round < 4000; ++round) {
    const std::string text = draw(12, 0);
    const std::string token = draw(3, 1);
    const std::string replacement = draw(4, 0);
    const std::optional<std::string> slow = SlowReplace(text, token, replacement);
    std::string lowRep = replacement, lowTok = token;
    for (std::string* s : {&lowRep, &lowTok})
      for (char& c : *s)
        if (c == 'A') c = 'a';
    if (!slow || lowRep.find(lowTok) != std::string::npos) continue;
    ++compared;
    ASSERT_EQ(ReplaceOutsideQuotes(text, token, replacement, "\""), *slow)
        << "text=" << text << " token=" << token << " replacement=" << replacement;
  }
  EXPECT_GT(compared, 1000);
}

TEST(OperatorSearch, BeforeLooksBackFromPos) {
  EXPECT_EQ(OperatorBefore("a+b*c", 5), 4);
  EXPECT_EQ(OperatorBefore("a+b*c", 4), 4);
  EXPECT_EQ(OperatorBefore("a+b*c", 3), 2);
  EXPECT_EQ(OperatorBefore("ab", 2), 0);
  EXPECT_EQ(OperatorBefore("^b", 1), 1);
  EXPECT_EQ(OperatorBefore("a/", 50), 2);
  EXPECT_EQ(OperatorBefore("a/", 0), 0);
}

TEST(OperatorSearch, AfterLooksOnFromPos) {
  EXPECT_EQ(OperatorAfter("a+b-c", 1), 2);
  EXPECT_EQ(OperatorAfter("a+b-c", 3), 4);
  EXPECT_EQ(OperatorAfter("a+b-c", 5), 6);
  EXPECT_EQ(OperatorAfter("a+b", 9), 4);
  EXPECT_EQ(OperatorAfter("", 1), 1);
  EXPECT_EQ(OperatorAfter("*a", 0), 1);
  EXPECT_EQ(OperatorAfter("a(b)", 1), 5);
}

}  // namespace
}  // namespace vx
