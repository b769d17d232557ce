#include "tests/values/eval_fixture.h"
#include "values/drives.h"
#include "values/number_text.h"

namespace vx::test {
namespace {

class SystemTokensTest : public EvalTest {};

TEST_F(SystemTokensTest, MouseScreenAndMachine) {
  desktop.input.SetCursorPos({120, 45});
  desktop.input.SetKeyDown(platform::vk::RButton, true);
  EXPECT_EQ(Num("@8%+@9%"), 165);
  EXPECT_EQ(Num("@2%*10+@3%"), 1);
  desktop.process.SetMemory({std::uint64_t{3} << 31, 1000});  // 6 GiB wraps to 32 bits
  EXPECT_EQ(Num("@34%"), static_cast<std::int32_t>(std::uint32_t{0x80000000}));
  EXPECT_EQ(Num("@35%"), 1000);
  desktop.process.SetOnline(true);
  EXPECT_EQ(Num("@71%"), 1);
  EXPECT_EQ(Num("@10%"), desktop.display.ScreenSize().width);
}

TEST_F(SystemTokensTest, KeyStateIsSigned) {
  desktop.input.SetKeyDown(0x41, true);
  desktop.input.SetToggled(platform::vk::Capital, true);
  EXPECT_LT(Num("@5%(65)"), 0);
  EXPECT_EQ(Num("@5%(20)"), 1);
  EXPECT_EQ(Num("@5%(66)"), 0);
}

TEST_F(SystemTokensTest, ClockTokens) {
  desktop.loop.SetStartTime({2024, 3, 20, 9, 5, 7, 0});
  EXPECT_EQ(Num("@23%*10000+@24%*100+@25%"), 90507);
  EXPECT_EQ(Num("@26%*10000+@27%*100+@28%"), 20240320);
  EXPECT_EQ(Num("@29%*10000+@30%*100+@31%"), 14030101);
}

TEST_F(SystemTokensTest, TextTokens) {
  EXPECT_EQ(Num("@0%(\"a\",\"banana\",2)"), 4);
  EXPECT_EQ(Num("@0%(\"a\",\"banana\",4)"), 0);
  EXPECT_EQ(Num("@1%(\"abc\")+1"), 4);
  EXPECT_EQ(Num("@37%(\"aa\",\"aaaa\")"), 3);
  EXPECT_EQ(Num("@39%(\"101\")"), 5);
  EXPECT_EQ(Num("@40%(\"17\")"), 15);
  EXPECT_EQ(Num("@41%(\"ff\")"), 255);
  EXPECT_EQ(Num("@48%(\"A\")"), 65);
  EXPECT_NE(NumError("@48%(\"\")"), "no error");
  EXPECT_EQ(Num("@1%(\"ab\")*@1%(\"ab\")"), 4);  // one call text, every copy replaced
}

TEST_F(SystemTokensTest, TextAsNumber) {
  values.SetStrVar("e", "2*(3+1)");
  EXPECT_EQ(Num("@44%($e)"), 8);
}

TEST_F(SystemTokensTest, MathTokens) {
  EXPECT_EQ(Num("@42%(2.5)"), 2);
  EXPECT_EQ(Num("@42%(3.5)"), 4);
  EXPECT_EQ(Num("@70%(-7,3)"), -1);
  EXPECT_EQ(Num("@70%(7,-3)"), 1);
  EXPECT_NE(NumError("@70%(7,0)"), "no error");
  EXPECT_EQ(Num("@57%(-3)"), 3);
  EXPECT_EQ(Num("@58%(16)"), 4);
  EXPECT_NE(NumError("@58%(-1)"), "no error");
  EXPECT_NEAR(static_cast<double>(Num("@49%(30)")), 0.5, 1e-12);
  EXPECT_EQ(Num("@56%(0)"), 90);
  EXPECT_NEAR(static_cast<double>(Num("@55%(1)")), 45, 1e-12);
  EXPECT_NE(NumError("@52%(0)"), "no error");
  EXPECT_NE(NumError("@53%(2)"), "no error");
}

TEST_F(SystemTokensTest, RandomTokensAtTheEnd) {
  for (int i = 0; i < 200; ++i) {
    const long double two = Num("@43%(5,8)");
    EXPECT_TRUE(two == 5 || two == 6 || two == 7) << two;
    const long double one = Num("@43%(3)");
    EXPECT_TRUE(one == 0 || one == 1 || one == 2) << one;
    const long double sum = Num("10+@43%(3)");
    EXPECT_TRUE(sum >= 10 && sum <= 12) << sum;
  }
  EXPECT_EQ(Num("@43%(0)"), 0);
  // Not at the end: the call text swallows the rest of W.
  EXPECT_NE(NumError("@43%(3)+1"), "no error");
}

TEST_F(SystemTokensTest, FileTokens) {
  desktop.files.AddFile("C:\\f.txt", "a\r\nb\r\nc");
  desktop.files.AddDirectory("C:\\dir");
  EXPECT_EQ(Num("@15%(\"C:\\f.txt\")"), 1);
  EXPECT_EQ(Num("@15%(\"C:\\none\")"), 0);
  EXPECT_EQ(Num("@18%(\"C:\\f.txt\")"), 7);
  EXPECT_EQ(Num("@18%(\"C:\\none\")"), 4294967295.0L);
  EXPECT_EQ(Num("@17%(\"C:\\f.txt\")"), 3);
  EXPECT_NE(NumError("@17%(\"C:\\none\")"), "no error");
  EXPECT_EQ(Num("@36%(\"C:\\dir\")"), 1);
}

TEST_F(SystemTokensTest, DriveTokens) {
  desktop.files.SetDrive('A', platform::DriveKind::Removable);
  desktop.files.SetDrive('D', platform::DriveKind::CdRom);
  desktop.files.SetDrive('E', platform::DriveKind::Removable, platform::DriveSpace{1000, 400});
  desktop.files.SetDrive('F', platform::DriveKind::Unknown);
  EXPECT_EQ(Num("@19%"), 4);  // A, C, D, E; F's kind is undetermined
  EXPECT_EQ(Num("@20%(\"REMOVABLE\")"), 2);
  EXPECT_EQ(Num("@20%(\"removable\")"), 22);  // code 0: every letter that is not a drive, and F
  EXPECT_EQ(Num("@20%(\"CDROM\")"), 1);
  EXPECT_EQ(Num("@21%(\"e\")"), 1000);
  EXPECT_EQ(Num("@22%(\"E:\\\")"), 400);
  EXPECT_EQ(Num("@21%(\"D\")"), -1);  // no disk
  EXPECT_EQ(Num("@21%(\"1\")"), 0);
  EXPECT_NE(NumError("@21%(\"\")"), "no error");
  EXPECT_EQ(Num("@38%(\"E\")"), 1);
  EXPECT_EQ(Num("@38%(\"D\")"), 0);
  EXPECT_EQ(RemovableDriveLetter(desktop.files, 1), "E");
  EXPECT_EQ(RemovableDriveLetter(desktop.files, 2), "");
  EXPECT_EQ(DriveLetter(26), "Z");
  EXPECT_EQ(DriveLetter(27), "");
}

TEST_F(SystemTokensTest, RegistryTokens) {
  EXPECT_NE(NumError("@60%(\"v\")"), "no error");  // nothing open yet
  desktop.registry.SetInteger(0x80000001, "Software\\Show", "n", 5);
  desktop.registry.SetFloat(0x80000001, "Software\\Show", "f", 2.5);
  desktop.registry.SetString(0x80000001, "Software\\Show", "s", "x");
  registry.openKey = "Software\\Show";
  EXPECT_EQ(Num("@60%(\"n\")+@60%(\"none\")"), 1);
  EXPECT_EQ(Num("@61%(\"n\")"), 1);
  EXPECT_EQ(Num("@62%(\"n\")"), 5);
  EXPECT_EQ(Num("@63%(\"f\")"), 2.5);
  EXPECT_NE(NumError("@62%(\"s\")"), "no error");
  EXPECT_NE(NumError("@62%(\"none\")"), "no error");
  EXPECT_EQ(Num("@59%(\"Software\\Show\")"), 1);
  EXPECT_FALSE(registry.openKey.has_value());  // closed by the query
  EXPECT_EQ(Num("@59%(\"Software\\None\")"), 0);
}

TEST_F(SystemTokensTest, IniTokens) {
  EXPECT_NE(NumError("@68%(\"s\",\"k\")"), "no error");
  desktop.files.AddFile("C:\\show.ini", "[s]\r\nf=2.5\r\nb=1\r\nh=0x10\r\nbad=x\r\n");
  ini.fileName = "C:\\show.ini";
  EXPECT_EQ(Num("@68%(\"s\",\"f\")"), 2.5);
  EXPECT_EQ(Num("@68%(\"s\",\"none\")"), -1);
  EXPECT_EQ(Num("@68%(\"s\",\"bad\")"), -1);
  EXPECT_EQ(Num("@69%(\"s\",\"b\")+@69%(\"s\",\"h\")"), 2);
  EXPECT_EQ(Num("@69%(\"s\",\"bad\")"), 0);
}

TEST_F(SystemTokensTest, PageQueriesWithoutPagesFail) {
  for (const char* text : {"@14%", "@6%(\"\")", "@45%(\"x\")", "@64%", "@66%"})
    EXPECT_NE(NumError(text), "no error") << text;
}

TEST_F(SystemTokensTest, UnclosedOrSelfRebuildingTokensFail) {
  EXPECT_EQ(NumError("@1%(\"abc\""), "'@1%(\"abc\"' is not a valid integer value");
  // A value that rebuilds a token: the rebuilt call is evaluated in turn.
  EXPECT_EQ(Num("@@1%(\"a\")%(\"a\")"), 1);
}

TEST_F(SystemTokensTest, ClipboardIsSplicedIn) {
  desktop.clipboard.SetText("2+3");
  EXPECT_EQ(Num("@16%*2"), 8);  // 2+3*2
}

TEST(NumberText, GeneralFormat) {
  struct Case {
    long double value;
    const char* text;
  };
  for (const Case& c : {Case{2.5L, "2.5"}, {14, "14"}, {-0.5L, "-0.5"}, {1e20L, "1E20"}, {1e-6L, "1E-6"},
                        {0.0001L, "0.0001"}, {1e-5L, "0.00001"}, {1e-6L, "1E-6"}, {123456789012345.0L, "123456789012345"},
                        {1e15L, "1E15"}, {0.1L + 0.2L, "0.3"}, {1.0L / 3, "0.333333333333333"},
                        {-1.5e-7L, "-1.5E-7"}, {0, "0"}, {1234.5L, "1234.5"}})
    EXPECT_EQ(NumberToText(c.value), c.text);
}

TEST(NumberText, Reading) {
  EXPECT_EQ(TextToNumber(" 2.5 "), 2.5L);
  EXPECT_EQ(TextToNumber("-1E3"), -1000);
  EXPECT_EQ(TextToNumber("+.5"), 0.5L);
  EXPECT_EQ(TextToNumber("1e+2"), 100);
  for (const char* bad : {"", " ", "1,5", "abc", "1e", "--1", "inf", "nan", "0x10", "1 2", "."})
    EXPECT_FALSE(TextToNumber(bad).has_value()) << bad;
}

TEST(NumberText, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5L), 2);
  EXPECT_EQ(RoundHalfEven(3.5L), 4);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven(-2.6L), -3);
  EXPECT_EQ(RoundHalfEven(0.49L), 0);
  EXPECT_THROW(RoundHalfEven(1e30L), ConvertError);
}

}  // namespace
}  // namespace vx::test
