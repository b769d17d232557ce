#pragma once
// The application-level events of the main form: an error nothing else
// handled, the hint text changing, the application minimised and restored.

#include <string>

namespace vx {

class Application;

inline constexpr char kExceptionCaption[] = "Vexorelle Exception";

// "_error" becomes 0 (number) and the message (text). A message beginning
// with "Access" stops there. An error script of fewer than 5 lines whose text
// is nothing but spaces shows the message in a box; any other runs the script.
// Nothing raised in here leaves it, except the end of the process.
void ApplicationEvents1Exception(Application& app, const std::string& message);
// "_hint" becomes the hint text, then the hint script runs.
void ApplicationEvents1Hint(Application& app, const std::string& hint);
void ApplicationEvents1Minimize(Application& app);
void ApplicationEvents1Restore(Application& app);

// Sends every error that escapes a window or timer callback to the handler,
// and the application's minimise and restore to theirs.
void InstallApplicationEvents(Application& app);

}  // namespace vx
