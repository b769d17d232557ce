#include "script/text_primitives.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

struct ArgCase {
  const char* text;
  int n;
  const char* expected;
};

class GetArgumentTest : public ::testing::TestWithParam<ArgCase> {};

TEST_P(GetArgumentTest, TakesTheNthArgument) {
  const ArgCase& c = GetParam();
  EXPECT_EQ(GetArgument(c.text, c.n), c.expected) << c.text << " n=" << c.n;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetArgumentTest,
    ::testing::Values(ArgCase{"5", 1, ""}, ArgCase{"5()", 1, ""}, ArgCase{"", 1, ""},
                      ArgCase{"(", 1, ""}, ArgCase{"5(a,b,c)", 1, "a"},
                      ArgCase{"5(a,b,c)", 2, "b"}, ArgCase{"5(a,b,c)", 3, "c"},
                      ArgCase{"5(a,b,c)", 4, ""},
                      // Quotes are kept and protect commas and brackets.
                      ArgCase{"20(\"a,b\",x)", 1, "\"a,b\""}, ArgCase{"20(\"a,b\",x)", 2, "x"},
                      ArgCase{"20(\"a,b\",x)", 3, ""}, ArgCase{"5(\"a)\",2)", 2, "2"},
                      ArgCase{"5(\"a)\",2)", 1, "\"a)\""},
                      // The first unquoted ")" ends the list.
                      ArgCase{"5(f(x),y)", 1, "f(x"}, ArgCase{"5(f(x),y)", 2, ""},
                      // Spaces stay; empty arguments are empty.
                      ArgCase{"5( a , b )", 2, " b "}, ArgCase{"5(a,,c)", 2, ""},
                      ArgCase{"5(a,,c)", 3, "c"},
                      // The last character is never looked at.
                      ArgCase{"5(a,b", 2, ""}, ArgCase{"5(ab", 1, "a"},
                      ArgCase{"x5(a,b)(c)", 1, "a"}, ArgCase{"5(a,b)", 0, ""},
                      ArgCase{"5(a,b)", -3, ""}));

TEST(HasCharAtTest, InsideTheTextAndNotNul) {
  const std::string text("a\0c", 3);
  EXPECT_TRUE(HasCharAt(text, 1));
  EXPECT_FALSE(HasCharAt(text, 2));
  EXPECT_TRUE(HasCharAt(text, 3));
}

TEST(HasCharAtTest, OutsideTheTextIsFalse) {
  EXPECT_FALSE(HasCharAt("abc", 0));
  EXPECT_FALSE(HasCharAt("abc", 4));
  EXPECT_FALSE(HasCharAt("abc", -1));
  EXPECT_FALSE(HasCharAt("", 1));
}

}  // namespace
}  // namespace vx
