// vxrun: runs action scripts on the simulated desktop.
//   vxrun --script FILE [--answer N]... [--utf8]

#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/vxrun/script_console.h"

namespace {

int Usage() {
  std::cerr << "usage: vxrun --script FILE [--answer BUTTON]... [--utf8]\n";
  return 2;
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  bytes = text.str();
  return true;
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
  if (!ReadFile(file, bytes)) {
    std::cerr << "vxrun: cannot read " << file << '\n';
    return 2;
  }
  return vx::tools::RunScriptConsole(bytes, options, std::cout);
}

struct Mode {
  const char* flag;
  int (*run)(const std::vector<std::string>& args);
};

constexpr Mode kModes[] = {
    {"--script", ScriptMode},
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
