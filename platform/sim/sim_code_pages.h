#pragma once
// The simulated system keeps its texts in Unicode (UTF-8), as Windows keeps
// them in UTF-16: window captions, the clipboard, the command line, file and
// folder names, registry names and values, the standard dialogs' results.
// The presentation's bytes cross to and from it with the code page the
// process decided (Process::UseTextCodePage); until then with the system's.

#include <atomic>
#include <string>
#include <string_view>

#include "util/codepage.h"

namespace vx::sim {

class SimCodePages {
 public:
  // The simulated system's ANSI code page: Western unless a test says so.
  unsigned System() const { return system_.load(); }
  void SetSystem(unsigned codePage) { system_.store(codePage); }
  unsigned Presentation() const {
    const unsigned chosen = presentation_.load();
    return chosen != 0 ? chosen : System();
  }
  bool Use(unsigned codePage) {
    if (!CanConvertCodePage(codePage)) return false;
    presentation_.store(codePage);
    return true;
  }

  std::string ToSystem(std::string_view bytes) const { return CodePageToUtf8(bytes, Presentation()); }
  std::string FromSystem(std::string_view text) const { return Utf8ToCodePage(text, Presentation()); }

 private:
  std::atomic<unsigned> system_{kWesternCodePage};
  std::atomic<unsigned> presentation_{0};
};

}  // namespace vx::sim
