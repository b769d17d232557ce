#include "host/pages.h"

#include <string>

#include "host/application.h"
#include "util/services.h"

namespace vx {

namespace {
constexpr std::string_view kPagePrefix = "VX_APPLICATION_FORM";

// The number after the page prefix; 0 when the name has none.
int PageNumberInName(const std::string& name) {
  if (name.size() <= kPagePrefix.size() || name.compare(0, kPagePrefix.size(), kPagePrefix) != 0) return 0;
  int n = 0;
  for (std::size_t i = kPagePrefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (c < '0' || c > '9' || n > 100000000) return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}
}  // namespace

platform::Window* GetFormByNum(Application& app, int n) {
  return FindFormByName(app.platform.forms, std::string(kPagePrefix) + std::to_string(n));
}

int CurrentPageNumber(Application& app) {
  if (platform::Window* active = app.platform.forms.ActiveWindow()) {
    if (const int n = PageNumberInName(active->Name()); n > 0) app.currentPageNumber = n;
  }
  return app.currentPageNumber;
}

}  // namespace vx
