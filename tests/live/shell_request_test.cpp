#include "platform/live/shell_request.h"

#include <gtest/gtest.h>

namespace vx::live {
namespace {

TEST(ShellRequest, TheDocumentOfCommand21sRunDllCall) {
  const auto r = ShellRequestOf("RunDLL32.EXE", "shell32.dll,ShellExec_RunDLL \"C:\\Docs\\a b.pdf\" \"-page 2\"");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->document, "C:\\Docs\\a b.pdf");
  EXPECT_EQ(r->parameters, "-page 2");
  EXPECT_EQ(ShellRequestOf("rundll32.exe", "shell32.dll,ShellExec_RunDLL \"\" \"\""), std::nullopt);
  EXPECT_EQ(ShellRequestOf("RunDLL32.EXE", "user32.dll,LockWorkStation"), std::nullopt);
  EXPECT_EQ(ShellRequestOf("RunDLL32.EXE", "shell32.dll,ShellExec_RunDLL \"C:\\unclosed")->document, "C:\\unclosed");
  EXPECT_EQ(ShellRequestOf("readme.txt", "")->document, "readme.txt");
}

TEST(ShellRequest, WindowsProgramsAreNeverStarted) {
  for (const char* p : {"setup.exe", "C:\\A\\RUN.BAT", "x.Lnk", "s.vbs", "a.b.cmd", "trailing.exe. "})
    EXPECT_TRUE(IsWindowsProgram(p)) << p;
  for (const char* d : {"a.pdf", "C:\\exe.dir\\notes", "readme", "http://x.org/setup.exe", "b.txt"})
    EXPECT_FALSE(IsWindowsProgram(d)) << d;
}

TEST(ShellRequest, AddressesByTheirScheme) {
  EXPECT_TRUE(IsAddress("HTTPS://example.org"));
  EXPECT_TRUE(IsAddress("mailto:a@b.c"));
  EXPECT_FALSE(IsAddress("C:\\http\\x"));
  EXPECT_FALSE(IsAddress("file:///etc/passwd"));
}

}  // namespace
}  // namespace vx::live
