#include "tools/vxrun/trace_hooks.h"

#include <string>

#include "host/app_events.h"
#include "util/codepage.h"

namespace vx::tools {

void AttachTraceHooks(Application& app, sim::SimDesktop& desktop) {
  app.onEventScript = [&desktop](const std::string& handler, const std::string& form) {
    desktop.log.Add("script " + handler + " on " + form);
  };
  desktop.loop.SetErrorHandler([&desktop, &app](const std::exception& e) {
    desktop.log.Add(std::string("error: ") + e.what());
    ApplicationEvents1Exception(app, e.what());
  });
}

void TraceLines::Flush(const sim::SimLog& log) {
  const auto lines = log.Lines();
  for (; printed_ < lines.size(); ++printed_) out_ << Cp1256ToUtf8(lines[printed_]) << '\n';
  out_.flush();
}

}  // namespace vx::tools
