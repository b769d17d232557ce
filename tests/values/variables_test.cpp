#include "values/variables.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace vx {
namespace {

using namespace std::string_literals;

// --- Naming rule ---

struct NameCase {
  std::string raw;
  std::string normalised;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.raw) << " -> " << ::testing::PrintToString(c.normalised);
}

class NormaliseVarNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NormaliseVarNameTest, RemovesSpacesAndLowersOnlyAToZ) {
  EXPECT_EQ(NormaliseVarName(GetParam().raw), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NormaliseVarNameTest,
    ::testing::Values(NameCase{"Total Count", "totalcount"}, NameCase{"  A  B  ", "ab"},
                      NameCase{"AZaz09_", "azaz09_"}, NameCase{"", ""}, NameCase{"   ", ""},
                      // The neighbours of A-Z stay as they are.
                      NameCase{"@[`{", "@[`{"},
                      // Other white space is part of the name.
                      NameCase{"a\tb\r\n", "a\tb\r\n"},
                      // Windows-1256 letters, and the Latin-1 "capitals", compare as bytes.
                      NameCase{"\xC7\xD3\xE3 X", "\xC7\xD3\xE3x"}, NameCase{"\xC0\xC9\xDE", "\xC0\xC9\xDE"},
                      NameCase{"a\0B"s, "a\0b"s}));

TEST(TValues, SpellingsThatNormaliseAlikeNameOneVariable) {
  TValues values;
  values.SetNumVar("Total Count", 5);
  EXPECT_EQ(values.GetNumVar("totalcount"), 5);
  EXPECT_EQ(values.GetNumVar(" TOTAL count "), 5);
  EXPECT_EQ(values.NumCount(), 1u);
  ASSERT_EQ(values.NumVars().size(), 1u);
  EXPECT_EQ(values.NumVars()[0].name, "totalcount");
}

TEST(TValues, OtherLettersKeepNamesApart) {
  TValues values;
  values.SetStrVar("\xC7", "alef");
  values.SetStrVar("\xC2", "alef madda");
  values.SetStrVar("\xC0", "upper");
  values.SetStrVar("\xE0", "lower");
  values.SetStrVar("a\tb", "tab");
  values.SetStrVar("ab", "plain");
  EXPECT_EQ(values.GetStrVar("\xC7"), "alef");
  EXPECT_EQ(values.GetStrVar("\xC2"), "alef madda");
  EXPECT_EQ(values.GetStrVar("\xC0"), "upper");
  EXPECT_EQ(values.GetStrVar("\xE0"), "lower");
  EXPECT_EQ(values.GetStrVar("a\tb"), "tab");
  EXPECT_EQ(values.GetStrVar("A B"), "plain");
  EXPECT_EQ(values.StrCount(), 6u);
}

TEST(TValues, TheEmptyNameIsAName) {
  TValues values;
  values.SetStrVar("", "empty");
  EXPECT_EQ(values.GetStrVar("  "), "empty");
  EXPECT_EQ(values.StrCount(), 1u);
}

// --- Tables ---

TEST(TValues, OneNameInThreeTablesHoldsThreeUnrelatedValues) {
  TValues values;
  values.SetStrVar("a", "1");
  values.SetNumVar("a", 2);
  values.SetBoolVar("A", true);
  EXPECT_EQ(values.GetStrVar("a"), "1");
  EXPECT_EQ(values.GetNumVar("a"), 2);
  EXPECT_TRUE(values.GetBoolVar("a"));
  EXPECT_EQ(values.StrCount(), 1u);
  EXPECT_EQ(values.NumCount(), 1u);
  EXPECT_EQ(values.BoolCount(), 1u);

  // The error handler's pair.
  values.SetNumVar("_error", 0);
  values.SetStrVar("_error", "Line #3: boom");
  EXPECT_EQ(values.GetNumVar("_error"), 0);
  EXPECT_EQ(values.GetStrVar("_error"), "Line #3: boom");
}

TEST(TValues, ReadingAMissingVariableCreatesItWithTheEmptyValue) {
  TValues values;
  EXPECT_EQ(values.GetStrVar("x"), "");
  EXPECT_EQ(values.StrCount(), 1u);
  EXPECT_EQ(values.GetStrVar("X"), "");
  EXPECT_EQ(values.StrCount(), 1u);

  EXPECT_EQ(values.GetNumVar("x"), 0);
  EXPECT_EQ(values.NumCount(), 1u);
  EXPECT_FALSE(values.GetBoolVar("x"));
  EXPECT_EQ(values.BoolCount(), 1u);
  EXPECT_EQ(values.GetNumVar("y"), 0);
  EXPECT_EQ(values.NumCount(), 2u);
  EXPECT_EQ(values.StrCount(), 1u);
}

TEST(TValues, TablesKeepCreationOrderAndOverwritesInPlace) {
  TValues values;
  values.SetStrVar("B", "1");
  values.SetStrVar("a", "2");
  (void)values.GetStrVar("Zed");
  values.SetStrVar("b", "3");
  values.SetStrVar("c", "4");

  const std::vector<memstring> table = values.StrVars();
  ASSERT_EQ(table.size(), 4u);
  const char* names[] = {"b", "a", "zed", "c"};
  const char* texts[] = {"3", "2", "", "4"};
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].name, names[i]);
    EXPECT_EQ(table[i].value, texts[i]);
  }
  EXPECT_TRUE(values.NumVars().empty());
  EXPECT_TRUE(values.BoolVars().empty());
}

TEST(TValues, TextValuesAreBytes) {
  TValues values;
  const std::string text = "a\0\xFF\r\n"s;
  values.SetStrVar("t", text);
  EXPECT_EQ(values.GetStrVar("t"), text);
  values.SetNumVar("n", -0.1);
  EXPECT_EQ(values.GetNumVar("n"), -0.1);
}

TEST(TValues, ManyVariablesAreAllFound) {
  TValues values;
  constexpr int kCount = 100000;
  for (int i = 0; i < kCount; ++i) values.SetNumVar("V " + std::to_string(i), i);
  ASSERT_EQ(values.NumCount(), static_cast<std::size_t>(kCount));
  for (int i = 0; i < kCount; ++i) ASSERT_EQ(values.GetNumVar("v" + std::to_string(i)), i);
  EXPECT_EQ(values.NumCount(), static_cast<std::size_t>(kCount));
  const std::vector<meminteger> table = values.NumVars();
  EXPECT_EQ(table.front().name, "v0");
  EXPECT_EQ(table.back().name, "v" + std::to_string(kCount - 1));
}

// --- Threads ---

TEST(TValues, ConcurrentWritersAndReadersLoseNothing) {
  TValues values;
  constexpr int kWriters = 4;
  constexpr int kReaders = 3;
  constexpr int kPerWriter = 3000;
  auto name = [](int writer, int i) { return "W" + std::to_string(writer) + " " + std::to_string(i); };
  auto text = [](int writer, int i) { return std::string(50 + i % 50, static_cast<char>('a' + writer)); };

  std::atomic<bool> go{false};
  std::atomic<int> torn{0};
  std::vector<std::thread> threads;
  for (int w = 0; w < kWriters; ++w) {
    threads.emplace_back([&, w] {
      while (!go) std::this_thread::yield();
      for (int i = 0; i < kPerWriter; ++i) {
        values.SetNumVar(name(w, i), i + 1);
        values.SetStrVar(name(w, i), text(w, i));
        values.SetBoolVar(name(w, i), true);
      }
    });
  }
  for (int r = 0; r < kReaders; ++r) {
    threads.emplace_back([&, r] {
      while (!go) std::this_thread::yield();
      for (int i = 0; i < kPerWriter; ++i) {
        for (int w = 0; w < kWriters; ++w) {
          const int k = (i + r * 997) % kPerWriter;
          const double n = values.GetNumVar(name(w, k));
          const std::string s = values.GetStrVar(name(w, k));
          if (n != 0 && n != k + 1) ++torn;
          if (!s.empty() && s != text(w, k)) ++torn;
          (void)values.StrCount();
        }
      }
    });
  }
  go = true;
  for (std::thread& t : threads) t.join();

  EXPECT_EQ(torn, 0);
  const std::size_t expected = kWriters * kPerWriter;
  EXPECT_EQ(values.NumCount(), expected);
  EXPECT_EQ(values.StrCount(), expected);
  EXPECT_EQ(values.BoolCount(), expected);
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kPerWriter; ++i) {
      ASSERT_EQ(values.GetNumVar(name(w, i)), i + 1);
      ASSERT_EQ(values.GetStrVar(name(w, i)), text(w, i));
      ASSERT_TRUE(values.GetBoolVar(name(w, i)));
    }
  }
  EXPECT_EQ(values.NumCount(), expected);
}

// --- Escapes ---

struct EscapeCase {
  std::string in;
  std::string out;
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.in) << " -> " << ::testing::PrintToString(c.out);
}

class DecodeEscapesTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(DecodeEscapesTest, RunsTheSixPasses) {
  EXPECT_EQ(DecodeEscapes(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecodeEscapesTest,
    ::testing::Values(EscapeCase{"He said \\qhi\\q\\brbye", "He said \"hi\"\r\nbye"},
                      EscapeCase{"\\q\\q", "\\q"}, EscapeCase{"\\br\\br", "\\br"},
                      EscapeCase{"\\q", "\""}, EscapeCase{"\\br", "\r\n"}, EscapeCase{"", ""},
                      EscapeCase{"plain text", "plain text"},
                      // Case-sensitive.
                      EscapeCase{"\\Q\\BR\\Br", "\\Q\\BR\\Br"},
                      // Doubles are taken first, left to right.
                      EscapeCase{"\\q\\q\\q", "\\q\""}, EscapeCase{"\\q\\q\\q\\q", "\\q\\q"},
                      EscapeCase{"\\br\\br\\br", "\\br\r\n"},
                      EscapeCase{"\\q\\br\\br\\q", "\"\\br\""},
                      EscapeCase{"\\\\q", "\\\""}, EscapeCase{"\\b\\", "\\b\\"},
                      // The reserved placeholders come out as escape text.
                      EscapeCase{"$!#~Q", "\\q"}, EscapeCase{"$!#~BR", "\\br"},
                      EscapeCase{"$!#~Q\\q", "\\q\""}, EscapeCase{"$!#~", "$!#~"},
                      EscapeCase{"a\0\\q"s, "a\0\""s}));

}  // namespace
}  // namespace vx
