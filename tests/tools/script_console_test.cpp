#include "tools/vxrun/script_console.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vx {
namespace {

struct Ran {
  int status;
  std::string out;
};

Ran Console(const std::string& script, const std::string& scriptPath) {
  tools::ConsoleOptions options;
  options.scriptPath = scriptPath;
  std::ostringstream out;
  const int status = tools::RunScriptConsole(script, options, out);
  return {status, out.str()};
}

TEST(ScriptConsoleTest, TheFolderMacrosExpandAsInThePlayer) {
  const Ran r = Console("$a=\"[src]data.txt\"\n$b=\"[temp]x.tmp\"\n$c=\"[win]win.ini\"\n"
                        "$d=\"[srcdrive]top\"\n$e=\"[embed]f.bin\"",
                        "Z:\\home\\me\\tries\\try.vxs");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("$a = \"Z:\\home\\me\\tries\\data.txt\"\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("$b = \"C:\\TEMP\\x.tmp\"\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("$c = \"C:\\WINDOWS\\win.ini\"\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("$d = \"Z:\\top\"\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("$e = \"C:\\TEMP\\VXTEMP\\f.bin\"\n"), std::string::npos) << r.out;
}

TEST(ScriptConsoleTest, TheScriptFileIsInItsFolderOnTheSimulatedDisk) {
  // @15%: whether the file exists.
  const Ran r = Console("#own=@15%(\"[src]try.vxs\")\n#other=@15%(\"[src]other.vxs\")", "C:\\Work\\try.vxs");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("#own = 1\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("#other = 1"), std::string::npos) << r.out;
}

TEST(ScriptConsoleTest, WithoutAScriptPathTheSimulatorsOwnFolderIsTheProgramFolder) {
  const Ran r = Console("$a=\"[src]a\"", "");
  EXPECT_NE(r.out.find("$a = \"C:\\Program Files\\Presentation\\a\"\n"), std::string::npos) << r.out;
}

TEST(ScriptConsoleTest, HostPathsBecomeWindowsPaths) {
  EXPECT_EQ(tools::ScriptPathOnDesktop("/home/me/try.vxs"), "Z:\\home\\me\\try.vxs");
  EXPECT_EQ(tools::ScriptPathOnDesktop("/home/me/../you/./try.vxs"), "Z:\\home\\you\\try.vxs");
  EXPECT_EQ(tools::ScriptPathOnDesktop("C:/Work/try.vxs"), "C:\\Work\\try.vxs");
  EXPECT_EQ(tools::ScriptPathOnDesktop("d:\\Work\\try.vxs"), "d:\\Work\\try.vxs");
  // A relative path is taken from the working folder.
  const std::string cwd = std::filesystem::current_path().string();
  std::string expected = "Z:" + cwd + "/sub/try.vxs";
  for (char& c : expected)
    if (c == '/') c = '\\';
  EXPECT_EQ(tools::ScriptPathOnDesktop("sub/try.vxs"), expected);
}

}  // namespace
}  // namespace vx
