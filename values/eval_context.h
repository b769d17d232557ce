#pragma once
// Everything an evaluation reads: the variable store, the platform, the
// random generator, the folders, the script's registry key and INI file, and
// the page queries. The Application owns one; tests build their own.

#include "util/random_source.h"
#include <string>

#include "platform/platform.h"
#include "values/page_queries.h"
#include "values/script_files.h"
#include "values/variables.h"

namespace vx {

// Each folder ends with "\".
struct Folders {
  std::string program;
  std::string temp;
  std::string windows;
};

struct EvalContext {
  TValues& values;
  platform::Platform& platform;
  RandomSource& random;
  const Folders& folders;
  ScriptRegistry& registry;
  ScriptIniFile& iniFile;
  // Null until the page layer is up; page and object queries then fail.
  PageQueries* pages = nullptr;
};

}  // namespace vx
