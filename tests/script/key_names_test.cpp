#include <gtest/gtest.h>

#include "script/key_names.h"
#include "util/error.h"

namespace vx {
namespace {

TEST(KeyNameToCode, NamesOfTheTableAreExactAndUpperCase) {
  EXPECT_EQ(KeyNameToCode("ENTER"), 13);
  EXPECT_EQ(KeyNameToCode("SCROLL LOCK"), 145);
  EXPECT_EQ(KeyNameToCode("PRINTSCRN"), 44);
  EXPECT_EQ(KeyNameToCode("enter"), 0);
  EXPECT_EQ(KeyNameToCode("ENTER "), 0);
}

TEST(KeyNameToCode, FunctionKeysRunFromF1ToF24Only) {
  EXPECT_EQ(KeyNameToCode("F1"), 112);
  EXPECT_EQ(KeyNameToCode("F24"), 135);
  EXPECT_EQ(KeyNameToCode("F25"), 0);
  EXPECT_EQ(KeyNameToCode("F0"), 0);
  // A lone F is the letter.
  EXPECT_EQ(KeyNameToCode("F"), 'F');
}

TEST(KeyNameToCode, SingleCharactersGiveTheirCodeSoCaseMatters) {
  EXPECT_EQ(KeyNameToCode("A"), 65);
  EXPECT_EQ(KeyNameToCode("a"), 97);  // the keypad 1 key, not A
  EXPECT_EQ(KeyNameToCode("\xE1"), 0xE1);
  EXPECT_EQ(KeyNameToCode(""), 0);
  EXPECT_EQ(KeyNameToCode("AB"), 0);
}

TEST(KeyNameToCode, AsciiTakesTheNumberAfterIt) {
  EXPECT_EQ(KeyNameToCode("ASCII65"), 65);
  EXPECT_EQ(KeyNameToCode("ASCII 9"), 9);
  try {
    KeyNameToCode("ASCIIx");
    ADD_FAILURE() << "no conversion error";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
  }
  EXPECT_THROW(KeyNameToCode("ASCII"), ConvertError);
}

}  // namespace
}  // namespace vx
