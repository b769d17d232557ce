// vxrun: runs action scripts on the simulated desktop.
//   vxrun --script FILE [--answer N]... [--utf8]
//   vxrun --headless FILE.exe --tour FILE [--fixed-clock] [--codepage=N]

#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/vxrun/headless_player.h"
#include "tools/vxrun/presentation_file.h"
#include "tools/vxrun/script_console.h"
#include "util/presentation_code_page.h"

namespace {

constexpr std::string_view kSwitch = vx::kCodePageSwitch;

int Usage() {
  std::cerr << "usage: vxrun --script FILE [--answer BUTTON]... [--utf8]\n"
               "       vxrun --headless FILE.exe --tour FILE [--fixed-clock] [--codepage=N]\n"
               "A script sees the folders as in the player: [src] is FILE's folder (a Unix path on\n"
               "drive Z:, as Wine names it), [temp] C:\\TEMP\\, [win] C:\\WINDOWS\\; its files are on\n"
               "a simulated disk that holds FILE alone.\n";
  return 2;
}

int ScriptMode(const std::vector<std::string>& args) {
  vx::tools::ConsoleOptions options;
  std::string file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--answer" && i + 1 < args.size()) {
      options.answers.push_back(std::stoi(args[++i]));
    } else if (args[i] == "--utf8") {
      options.utf8Script = true;
    } else if (file.empty() && !args[i].starts_with("--")) {
      file = args[i];
    } else {
      return Usage();
    }
  }
  if (file.empty()) return Usage();
  std::string bytes;
  if (!vx::tools::ReadWholeFile(file, bytes)) {
    std::cerr << "vxrun: cannot read " << file << '\n';
    return 2;
  }
  options.scriptPath = vx::tools::ScriptPathOnDesktop(file);
  return vx::tools::RunScriptConsole(bytes, options, std::cout);
}

// The folder part of a path, for the screenshots of a tour.
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A person's run shows today's date; --fixed-clock repeats a run exactly.
vx::platform::LocalDateTime WallClockNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 0};
}

int HeadlessMode(const std::vector<std::string>& args) {
  std::string executable;
  std::string tourFile;
  bool fixedClock = false;
  std::optional<unsigned> codePage;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--tour" && i + 1 < args.size()) tourFile = args[++i];
    else if (args[i] == "--fixed-clock") fixedClock = true;
    else if (args[i].starts_with(kSwitch)) {
      // As the player's own switch reads it.
      codePage = vx::CodePageSwitchOf("vxrun " + args[i]);
      if (!codePage) return Usage();
    }
    else if (executable.empty() && !args[i].starts_with("--")) executable = args[i];
    else return Usage();
  }
  if (executable.empty() || tourFile.empty()) return Usage();
  std::optional<vx::sim::FileBytes> exe = vx::tools::ReadExecutableFile(executable);
  std::string tour;
  if (!exe) {
    std::cerr << "vxrun: cannot read " << executable << '\n';
    return 2;
  }
  if (!vx::tools::ReadWholeFile(tourFile, tour)) {
    std::cerr << "vxrun: cannot read " << tourFile << '\n';
    return 2;
  }
  vx::tools::HeadlessOptions options;
  options.executableName = vx::tools::FileNameOf(executable);
  options.screenshotFolder = FolderOf(tourFile);
  if (!fixedClock) options.startTime = WallClockNow();
  options.codePage = codePage;
  return vx::tools::RunHeadless(std::move(*exe), tour, options, std::cout);
}

struct Mode {
  const char* flag;
  int (*run)(const std::vector<std::string>& args);
};

constexpr Mode kModes[] = {
    {"--script", ScriptMode},
    {"--headless", HeadlessMode},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::vector<std::string> rest(argv + 2, argv + argc);
  for (const Mode& mode : kModes)
    if (std::strcmp(argv[1], mode.flag) == 0) {
      try {
        return mode.run(rest);
      } catch (const std::exception& e) {
        std::cerr << "vxrun: " << e.what() << '\n';
        return 2;
      }
    }
  return Usage();
}
