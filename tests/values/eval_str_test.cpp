#include "tests/values/eval_fixture.h"
#include "util/text_forms.h"

namespace vx::test {
namespace {

class EvalStrTest : public EvalTest {};

TEST_F(EvalStrTest, ConcatenationAndLiterals) {
  values.SetStrVar("s", "HeLLo");
  EXPECT_EQ(Str("\"ab\"+\"cd\""), "abcd");
  EXPECT_EQ(Str("\"a+b\""), "a+b");
  EXPECT_EQ(Str("\"x\"+3($s)"), "xhello");
  EXPECT_EQ(Str("\"a\"+\"b\"+\"c\""), "abc");
  EXPECT_EQ(Str("\"ab"), "a");        // the last character goes, whatever it is
  EXPECT_EQ(Str("\"a\"b\"c\""), "a\"b\"c");  // inner quotes stay
  EXPECT_EQ(Str("\""), "");
}

TEST_F(EvalStrTest, UnrecognisedTextIsEmpty) {
  for (const char* text : {"5", "abc", "", "33(1)", "-1(x)", "01(x)", "3", " 3(\"A\")"})
    EXPECT_EQ(Str(text), "") << text;
}

TEST_F(EvalStrTest, Variables) {
  values.SetStrVar("name", "Ann");
  values.SetNumVar("n", 2.5);
  values.SetBoolVar("b", true);
  EXPECT_EQ(Str("$name"), "Ann");
  EXPECT_EQ(Str("$NA ME"), "Ann");
  EXPECT_EQ(Str("#n"), "2.5");
  EXPECT_EQ(Str("!b"), BoolToText(true, "fa"));
  EXPECT_EQ(Str("!nope"), BoolToText(false, "fa"));
  EXPECT_NE(Str("!b"), Str("!nope"));
}

TEST_F(EvalStrTest, FolderMacros) {
  EXPECT_EQ(Str("\"[src]data\\a.txt\""), "C:\\Shows\\data\\a.txt");
  EXPECT_EQ(Str("\"C:\\[src]\""), "C:\\[src]");  // not at the start
  EXPECT_EQ(Str("\"[SRC]x\""), "C:\\Shows\\x");
  EXPECT_EQ(Str("\"[embed]f\""), "C:\\TEMP\\VXTEMP\\f");
  EXPECT_EQ(Str("\"[srcdrive]f\""), "C:\\f");
  EXPECT_EQ(Str("\"[win]f\""), "C:\\WINDOWS\\f");
  EXPECT_EQ(Str("\"[temp]f\""), "C:\\TEMP\\f");
  EXPECT_EQ(Str("\"[src][src]\""), "C:\\Shows\\[src]");  // first occurrence only
}

TEST_F(EvalStrTest, UsbMacrosFollowTheRemovableDrives) {
  desktop.files.SetDrive('A', platform::DriveKind::Removable);  // A is never examined
  desktop.files.SetDrive('E', platform::DriveKind::Removable);
  desktop.files.SetDrive('G', platform::DriveKind::Removable);
  EXPECT_EQ(Str("\"[usb1]x\""), "E:\\x");
  EXPECT_EQ(Str("\"[usb2]x\""), "G:\\x");
  EXPECT_EQ(Str("\"[usb3]x\""), "x");       // no third drive: removed
  EXPECT_EQ(Str("\"[USB1]x\""), "x");       // not in exactly that case: removed
  EXPECT_EQ(Str("\"[usb10]x\""), "x");
}

TEST_F(EvalStrTest, EscapesAtTheInnermostEvaluation) {
  EXPECT_EQ(Str("\"say \\qhi\\q\""), "say \"hi\"");
  EXPECT_EQ(Str("\"\\q\\q\""), "\\q");
  EXPECT_EQ(Str("\"\\q\\q\"+\"\""), "\"");
  EXPECT_EQ(Str("\"a\\brb\""), "a\r\nb");
}

TEST_F(EvalStrTest, CallsDoNotNest) {
  values.SetStrVar("a", "X");
  EXPECT_EQ(Str("3(4($a))"), "");
  EXPECT_EQ(Str("3(\"A,B\")"), "a,b");
  EXPECT_EQ(Str("4(\"a)b\")"), "A)B");  // ")" inside quotes does not close
}

TEST_F(EvalStrTest, SelfEvaluatingTextFailsInsteadOfOverflowing) {
  values.SetStrVar("a", "@44%($a)");
  EXPECT_NE(NumError("@44%($a)"), "no error");
}

}  // namespace
}  // namespace vx::test
