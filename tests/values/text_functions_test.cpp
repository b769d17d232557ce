#include "tests/values/eval_fixture.h"
#include "values/far_date.h"

namespace vx::test {
namespace {

class TextFunctionsTest : public EvalTest {
 protected:
  void At(int y, int mo, int d, int h, int mi, int s) { desktop.loop.SetStartTime({y, mo, d, h, mi, s, 0}); }
};

TEST_F(TextFunctionsTest, Substring) {
  struct Case {
    const char* text;
    const char* result;
  };
  for (const Case& c : {Case{"0(\"abcdef\",2,3)", "bcd"}, {"0(\"abcdef\",0,3)", "abc"},
                        {"0(\"abcdef\",9,3)", ""}, {"0(\"abcdef\",5,9)", "ef"},
                        {"0(\"abcdef\",2,-1)", ""}, {"0(\"a,b\",2,1)", ","}, {"0(\"abcdef\",2.5,1)", "b"}})
    EXPECT_EQ(Str(c.text), c.result) << c.text;
  EXPECT_THROW(Str("0(\"abc\")"), ConvertError);  // missing numbers do not read
}

TEST_F(TextFunctionsTest, Replace) {
  EXPECT_EQ(Str("1(\"aXa\",\"a\",\"b\",1,0)"), "bXb");
  EXPECT_EQ(Str("1(\"aXa\",\"a\",\"b\",0,0)"), "bXa");
  EXPECT_EQ(Str("1(\"AXa\",\"a\",\"b\",1,0)"), "AXb");
  EXPECT_EQ(Str("1(\"AXa\",\"a\",\"b\",1,1)"), "bXb");
  EXPECT_EQ(Str("1(\"aaa\",\"a\",\"aa\",1,0)"), "aaaaaa");
}

TEST_F(TextFunctionsTest, CaseCodesAndReverse) {
  EXPECT_EQ(Str("2(65)"), "A");
  EXPECT_EQ(Str("2(227)"), "\xE3");
  EXPECT_EQ(Str("3(\"AbC\xC9\")"), "abc\xC9");
  EXPECT_EQ(Str("4(\"aBc\xE9\")"), "ABC\xE9");
  EXPECT_EQ(Str("18(\"abc\")"), "cba");
}

TEST_F(TextFunctionsTest, Paths) {
  EXPECT_EQ(Str("5(\"C:\\a\\b.txt\")"), "C:");
  EXPECT_EQ(Str("5(\"\\\\srv\\share\\f.txt\")"), "\\\\srv\\share");
  EXPECT_EQ(Str("8(\"C:\\a\\b.txt\")"), ".txt");
  EXPECT_EQ(Str("7(\"C:\\a\\b.txt\")"), "b");
}

TEST_F(TextFunctionsTest, CommandLineParameters) {
  desktop.process.SetCommandLine("\"C:\\Shows\\demo.exe\" one \"two words\"");
  desktop.files.SetOwnExecutable("C:\\Shows\\demo.exe", "MZ");
  EXPECT_EQ(Str("9(0)"), "C:\\Shows\\demo.exe");
  EXPECT_EQ(Str("9(1)"), "one");
  EXPECT_EQ(Str("9(2)"), "two words");
  EXPECT_EQ(Str("9(3)"), "");
  EXPECT_EQ(Str("9(-1)"), "");
}

TEST_F(TextFunctionsTest, ClipboardAndFiles) {
  desktop.clipboard.SetText("clip");
  EXPECT_EQ(Str("10()"), "clip");
  desktop.files.AddFile("C:\\f.txt", "ab\ncd");
  EXPECT_EQ(Str("11(\"C:\\f.txt\")"), "ab\r\ncd\r\n");
  EXPECT_EQ(Str("28(\"C:\\f.txt\",1)"), "b");
  EXPECT_EQ(Str("28(\"C:\\f.txt\",5)"), "");  // at the end: nothing read
  EXPECT_EQ(Str("28(\"C:\\f.txt\",99)"), "");
  EXPECT_THROW(Str("11(\"C:\\none.txt\")"), OsError);
  EXPECT_THROW(Str("28(\"C:\\none.txt\",0)"), OsError);
}

TEST_F(TextFunctionsTest, Trailer) {
  std::string file = "MZ....line1\r\nline2";
  file += std::string("\x12\x00\x00\x00", 4);  // 14-byte block + 4
  desktop.files.AddFile("C:\\t.exe", file);
  EXPECT_EQ(Str("31(\"C:\\t.exe\")"), "..line1\r\nline2\r\n");
  desktop.files.AddFile("C:\\bad.exe", "MZ");
  try {
    Str("31(\"C:\\bad.exe\")");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to read data from executable file.");
  }
}

TEST_F(TextFunctionsTest, Clock) {
  At(2024, 3, 5, 9, 5, 7);
  EXPECT_EQ(Str("13()"), "09:05:07");
  EXPECT_EQ(Str("13(\".\")"), "09.05.07");
  EXPECT_EQ(Str("13(\"\")"), "090507");  // an argument that evaluates to empty
  EXPECT_EQ(Str("14(\"-\")"), "2024-3-5");
  EXPECT_EQ(Str("14()"), "2024/3/5");
  EXPECT_EQ(Str("12()"), "09:05:07 AM");
  At(2024, 3, 5, 0, 30, 0);
  EXPECT_EQ(Str("12()"), "12:30:00 AM");
  At(2024, 3, 5, 12, 0, 0);
  EXPECT_EQ(Str("12()"), "12:00:00 PM");
  At(2024, 3, 5, 23, 59, 59);
  EXPECT_EQ(Str("12()"), "11:59:59 PM");
  desktop.loop.Advance(1000);  // the virtual clock moves the date
  EXPECT_EQ(Str("14()"), "2024/3/6");
}

TEST_F(TextFunctionsTest, Calendars) {
  At(2024, 3, 20, 10, 0, 0);
  EXPECT_EQ(Str("16()"), "Wednesday");
  EXPECT_EQ(Str("16(\"\")"), "Wednesday");
  EXPECT_EQ(Str("16(\"x\")"), "");
  At(2024, 3, 20, 10, 0, 0);  // Nowruz 1403
  EXPECT_EQ(Str("15()"), "1403/1/1");
  EXPECT_EQ(Str("16(\"SHAMSI\")"), std::string(TFarDate::FarDayName(6)));
  EXPECT_EQ(Str("17()"), std::string(TFarDate::FarMonthName(1)));
}

TEST_F(TextFunctionsTest, Radix) {
  struct Case {
    const char* text;
    const char* result;
  };
  for (const Case& c : {Case{"19(255)", "FF"}, {"19(-1)", "FFFFFFFFFFFFFFFF"}, {"20(-5)", "-101"},
                        {"20(5)", "101"}, {"21(8)", "10"}, {"26(\"ff\")", "11111111"},
                        {"22(\"17\")", "1111"}, {"23(\"1111\")", "17"}, {"24(\"11111111\")", "FF"},
                        {"25(\"17\")", "F"}, {"27(\"ff\")", "377"}, {"20(0)", "0"}})
    EXPECT_EQ(Str(c.text), c.result) << c.text;
  // Every 32-bit value ends and gives digits.
  EXPECT_FALSE(Str("20(-2147483648)").empty());
  EXPECT_FALSE(Str("21(2147483647)").empty());
  EXPECT_FALSE(Str("26(\"80000000\")").empty());
  EXPECT_FALSE(Str("27(\"FFFFFFFF\")").empty());
}

TEST_F(TextFunctionsTest, RegistryAndIni) {
  EXPECT_THROW(Str("29(\"v\")"), Error);  // no key open yet
  EXPECT_THROW(Str("30(\"s\",\"k\")"), Error);
  desktop.registry.SetString(0x80000001, "Software\\Show", "v", "text");
  desktop.registry.SetInteger(0x80000001, "Software\\Show", "n", 5);
  registry.openKey = "Software\\Show";
  EXPECT_EQ(Str("29(\"v\")"), "text");
  EXPECT_EQ(Str("29(\"absent\")"), "");
  EXPECT_THROW(Str("29(\"n\")"), Error);  // another type
  desktop.files.AddFile("C:\\WINDOWS\\show.ini", "[Main]\r\nkey = value\r\n");
  ini.fileName = "show.ini";
  EXPECT_EQ(Str("30(\"main\",\"KEY\")"), "value");
  EXPECT_EQ(Str("30(\"main\",\"nokey\")"), "");
}

TEST_F(TextFunctionsTest, FlashVariableNeedsThePages) {
  EXPECT_THROW(Str("32(\"movie\",\"v\")"), Error);
}

}  // namespace
}  // namespace vx::test
