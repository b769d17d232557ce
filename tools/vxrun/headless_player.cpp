#include "tools/vxrun/headless_player.h"

#include <cstddef>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "tools/vxrun/presentation_file.h"
#include "tools/vxrun/tour.h"
#include "tools/vxrun/trace_hooks.h"
#include "tools/vxrun/variable_report.h"
#include "util/codepage.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/presentation_code_page.h"
#include "util/text_forms.h"

namespace vx::tools {

namespace {

// Not a std::exception: it must pass the runtime's handlers when a tour step
// inside a modal page fails.
struct TourError {
  std::string message;
};

using platform::MouseButton;

class TourPlayer {
 public:
  TourPlayer(sim::SimDesktop& desktop, std::vector<TourStep> steps, const HeadlessOptions& options,
             std::ostream& out)
      : desktop_(desktop), steps_(std::move(steps)), options_(options), out_(out) {}

  void Attach(Application& app) {
    app_ = &app;
    AttachTraceHooks(app, desktop_);
    desktop_.forms.SetModalLoop([this](sim::SimWindow& window) { RunSteps(&window); });
    vars_ = SnapshotVariables(app.values);
  }

  // Runs steps until the tour ends or, inside a modal page, that page is
  // hidden.
  void RunSteps(const sim::SimWindow* modal) {
    while (next_ < steps_.size()) {
      if (modal != nullptr && !modal->IsVisible()) return;
      const TourStep& step = steps_[next_++];
      current_ = step.line;
      desktop_.log.Add("> " + step.action + (step.rest.empty() ? "" : " " + FromUtf8(step.rest)) + "  [t=" +
                       std::to_string(desktop_.loop.Now()) + "]");
      Flush();
      Perform(step);
      Flush();
    }
  }

  // The log lines not printed yet, then the variables that changed.
  void Flush() {
    const auto lines = desktop_.log.Lines();
    for (; printed_ < lines.size(); ++printed_) out_ << ToUtf8(lines[printed_]) << '\n';
    if (app_ == nullptr) return;
    auto now = SnapshotVariables(app_->values);
    for (const std::string& line : ChangedVariables(vars_, now)) out_ << ToUtf8(line) << '\n';
    vars_ = std::move(now);
  }

  int CurrentLine() const { return current_; }

  // The presentation's bytes for the trace, and a tour's text for the
  // presentation.
  std::string ToUtf8(std::string_view bytes) const {
    return CodePageToUtf8(bytes, desktop_.codePages.Presentation());
  }
  std::string FromUtf8(std::string_view text) const {
    return Utf8ToCodePage(text, desktop_.codePages.Presentation());
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw TourError{message}; }

  int Number(const TourStep& step, std::size_t k) const {
    if (k >= step.words.size()) Fail(step.action + ": a number is missing");
    try {
      std::size_t used = 0;
      const int n = std::stoi(step.words[k], &used);
      if (used == step.words[k].size()) return n;
    } catch (const std::exception&) {
      // Reported below.
    }
    Fail(step.action + ": \"" + step.words[k] + "\" is not a number");
  }

  MouseButton Button(const TourStep& step, std::size_t k) const {
    if (k >= step.words.size() || step.words[k] == "left") return MouseButton::Left;
    if (step.words[k] == "right") return MouseButton::Right;
    if (step.words[k] == "middle") return MouseButton::Middle;
    Fail("unknown mouse button \"" + step.words[k] + "\"");
  }

  int Key(const TourStep& step) const {
    if (step.words.empty()) Fail(step.action + ": a key is missing");
    const int key = VirtualKeyByName(step.words[0]);
    if (key < 0) Fail("unknown key \"" + step.words[0] + "\"");
    return key;
  }

  sim::SimWindow& ActivePage() const {
    auto* window = dynamic_cast<sim::SimWindow*>(desktop_.forms.ActiveWindow());
    if (window == nullptr) Fail("no page is active");
    return *window;
  }

  // Tour coordinates are client coordinates of the active page.
  platform::Point OnPage(const TourStep& step) const {
    const platform::Point origin = ActivePage().ClientOrigin();
    return {origin.x + Number(step, 0), origin.y + Number(step, 1)};
  }

  void Perform(const TourStep& step) {
    sim::SimUser& user = desktop_.user;
    const std::string& a = step.action;
    if (a == "wait") {
      desktop_.loop.Advance(static_cast<std::uint64_t>(std::max(0, Number(step, 0))));
    } else if (a == "move") {
      user.MoveTo(OnPage(step));
    } else if (a == "press") {
      user.Press(Button(step, 0));
    } else if (a == "release") {
      user.Release(Button(step, 0));
    } else if (a == "click") {
      user.Click(OnPage(step), Button(step, 2));
    } else if (a == "wheel") {
      if (step.words.empty() || (step.words[0] != "up" && step.words[0] != "down")) Fail("wheel: up or down");
      const int notches = step.words.size() > 1 ? Number(step, 1) : 1;
      for (int i = 0; i < notches; ++i) user.Wheel(step.words[0] == "up");
    } else if (a == "key") {
      user.Key(Key(step));
    } else if (a == "keydown") {
      user.KeyDown(Key(step));
    } else if (a == "keyup") {
      user.KeyUp(Key(step));
    } else if (a == "type") {
      if (!user.Type(FromUtf8(step.rest))) Fail("type: no edit box has the focus");
    } else if (a == "answer") {
      desktop_.dialogs.QueueAnswer(Number(step, 0));
    } else if (a == "choose") {
      desktop_.dialogs.QueueDialogAnswer(Choice(step));
    } else if (a == "cancel") {
      desktop_.dialogs.QueueDialogAnswer({});
    } else if (a == "close") {
      ActivePage().RequestClose();
    } else if (a == "screenshot") {
      Screenshot(step);
    } else if (a == "link" || a == "newwindow" || a == "progress" || a == "status" || a == "title") {
      BrowserEvent(step);
    } else if (a == "fscommand" || a == "flashcall") {
      FlashEvent(step);
    } else {
      Fail("unknown action \"" + a + "\"");
    }
  }

  // choose file PATH | files PATH|PATH... | folder PATH | color RRGGBB |
  // font NAME:CHARSET:SIZE:RRGGBB. Names stay UTF-8: the simulated system's.
  sim::DialogAnswer Choice(const TourStep& step) const {
    using Kind = sim::DialogAnswer::Kind;
    const auto blank = step.rest.find_first_of(" \t");
    const std::string what = step.rest.substr(0, blank);
    const auto start = blank == std::string::npos ? std::string::npos : step.rest.find_first_not_of(" \t", blank);
    const std::string value = start == std::string::npos ? std::string() : step.rest.substr(start);
    if (value.empty()) Fail("choose " + what + ": what to choose is missing");
    sim::DialogAnswer answer;
    if (what == "file" || what == "files") {
      answer.kind = Kind::Files;
      std::size_t at = 0;
      for (;;) {
        const auto bar = value.find('|', at);
        const std::string file = value.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
        if (!file.empty()) answer.files.push_back(file);
        if (bar == std::string::npos) break;
        at = bar + 1;
      }
    } else if (what == "folder") {
      answer.kind = Kind::Folder;
      answer.folder = value;
    } else if (what == "color" || what == "colour") {
      answer.kind = Kind::Color;
      answer.color = HexToColor(value);
    } else if (what == "font") {
      std::optional<FontDescription> described;
      try {
        described = FontFromSpec(value);
      } catch (const Error&) {
      }
      if (!described) Fail("choose font: NAME:CHARSET:SIZE:RRGGBB expected");
      answer.kind = Kind::Font;
      answer.font.name = described->name;
      answer.font.charset = described->charset;
      answer.font.size = described->size;
      answer.color = described->color;
    } else {
      Fail("choose: file, files, folder, color or font");
    }
    return answer;
  }

  // The text after the first n words of the line, as written.
  std::string After(const TourStep& step, std::size_t n) const {
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
      at = step.rest.find_first_not_of(" \t", at);
      if (at == std::string::npos) return {};
      at = step.rest.find_first_of(" \t", at);
      if (at == std::string::npos) return {};
    }
    at = step.rest.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : Utf8ToCp1256(step.rest.substr(at));
  }

  // link|newwindow X Y ADDRESS, progress X Y N MAX, status|title X Y TEXT:
  // the browser at that point of the active page.
  void BrowserEvent(const TourStep& step) {
    sim::SimBrowser* browser = sim::SimHosted::BrowserAt(ActivePage(), {Number(step, 0), Number(step, 1)});
    if (browser == nullptr) Fail(step.action + ": no browser at " + step.words[0] + "," + step.words[1]);
    const std::string& a = step.action;
    if (a == "progress") {
      browser->RaiseProgress(Number(step, 2), Number(step, 3));
      return;
    }
    const std::string text = After(step, 2);
    if (text.empty() && (a == "link" || a == "newwindow")) Fail(a + ": an address is missing");
    if (a == "link") browser->ClickLink(text);
    else if (a == "newwindow") browser->RequestNewWindow(text);
    else if (a == "status") browser->RaiseStatusText(text);
    else browser->RaiseTitle(text);
    // The page arrives from the loop.
    desktop_.loop.RunPosted();
  }

  // fscommand X Y COMMAND [ARGS], flashcall X Y REQUEST: the movie there.
  void FlashEvent(const TourStep& step) {
    sim::SimFlashPlayer* flash = sim::SimHosted::FlashAt(ActivePage(), {Number(step, 0), Number(step, 1)});
    if (flash == nullptr) Fail(step.action + ": no Flash movie at " + step.words[0] + "," + step.words[1]);
    if (step.action == "flashcall") {
      flash->RaiseFlashCall(After(step, 2));
      return;
    }
    if (step.words.size() < 3) Fail("fscommand: a command is missing");
    flash->RaiseFSCommand(Utf8ToCp1256(step.words[2]), After(step, 3));
  }

  void Screenshot(const TourStep& step) {
    if (step.rest.empty()) Fail("screenshot: a file name is missing");
    sim::SimWindow& page = ActivePage();
    std::string path = step.rest;
    if (!options_.screenshotFolder.empty() && path.front() != '/') path = options_.screenshotFolder + "/" + path;
    std::ofstream file(path, std::ios::binary);
    const std::string png = page.Screenshot();
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (!file) Fail("screenshot: cannot write " + path);
    desktop_.log.Add("screenshot " + page.Name() + " -> " + step.rest);
  }

  sim::SimDesktop& desktop_;
  std::vector<TourStep> steps_;
  const HeadlessOptions& options_;
  std::ostream& out_;
  Application* app_ = nullptr;
  std::size_t next_ = 0;
  std::size_t printed_ = 0;
  int current_ = 0;
  VariableSnapshot vars_;
};

}  // namespace

int RunHeadless(sim::FileBytes executable, const std::string& tourText, const HeadlessOptions& options,
                std::ostream& out) {
  sim::SimDesktop desktop;
  if (options.startTime) desktop.loop.SetStartTime(*options.startTime);
  PlaceOwnExecutable(desktop, std::move(executable), options.executableName);
  if (options.codePage) {
    desktop.process.SetCommandLine(PlayerCommandLine(options.executableName, options.codePage));
  }
  TourPlayer tour(desktop, ParseTour(tourText), options, out);
  std::unique_ptr<Application> app;
  try {
    app = StartPlayer(desktop.Platform());
    tour.Attach(*app);
    app->MainForm()->Window().Show();
    tour.RunSteps(nullptr);
    // Whatever script threads still hand over is done before the end.
    desktop.loop.RunPosted();
  } catch (const sim::ProcessExited& exited) {
    tour.Flush();
    out << "presentation ended with exit code " << exited.exitCode;
    if (tour.CurrentLine() > 0) out << " at tour line " << tour.CurrentLine();
    out << '\n';
    return 0;
  } catch (const TourError& error) {
    tour.Flush();
    out << "tour error: line " << tour.CurrentLine() << ": " << error.message << '\n';
    return 1;
  }
  tour.Flush();
  out << "tour done\n";
  return 0;
}

}  // namespace vx::tools
