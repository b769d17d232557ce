// The whole player on any presentation: start-up, the loaders, event routing
// and object methods together. The input is either a raw project container
// (the last byte's low three bits all set) or a list of records that fill
// the container writer's model (pages, every object kind, functions,
// embedded files, project scripts and options). The presentation is
// installed on the simulated desktop, started with a statement budget and
// given the fixed tour of fuzz_player.h. It may end itself; it must not
// crash, hang or let anything but the end of the process escape.
//
// Record format (tests/fuzz/make_player_seeds.py writes the seeds): one tag
// byte, then the record's fields; numbers are little-endian, texts a length
// byte and the bytes, long texts (scripts, picture bytes) a 16-bit length.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/application.h"
#include "platform/sim/sim_desktop.h"
#include "tests/fuzz/fuzz_player.h"
#include "tools/common/container_writer.h"
#include "tools/common/project_model.h"
#include "util/error.h"

namespace {

using namespace vx::tools;

constexpr std::size_t kMaxPages = 4;
constexpr std::size_t kMaxObjects = 24;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Word() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
  bool Bit(int bits, int k) const { return ((bits >> k) & 1) != 0; }
  vx::platform::Color Colour() { return static_cast<vx::platform::Color>(Byte() | (Byte() << 8) | (Byte() << 16)); }
  std::string Text() { return Take(Byte()); }
  std::string Long() { return Take(static_cast<std::size_t>(Byte() | (Byte() << 8))); }
  Bounds Box() { return {Word(), Word(), Word(), Word()}; }
  MouseScripts Scripts() { return {Long(), Long(), Long(), Long()}; }

 private:
  std::string Take(std::size_t n) {
    n = std::min(n, size_ - at_);
    std::string s(reinterpret_cast<const char*>(data_) + at_, n);
    at_ += n;
    return s;
  }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

FontModel Font(Reader& in) {
  FontModel font;
  const int bits = in.Byte();
  font.size = bits & 0x3F;
  font.bold = in.Bit(bits, 6);
  font.italic = in.Bit(bits, 7);
  font.charset = in.Byte();
  return font;
}

// Record tags, in the order of the seed writer's table.
enum Tag : int {
  kProject, kPage, kPageScripts, kText, kEdit, kButton, kPicture, kShape, kSound, kVideo, kFlash,
  kBrowser, kTimer, kPlugin, kFunction, kEmbedded, kFontFile, kTagCount
};

class Builder {
 public:
  explicit Builder(Reader& in) : in_(in) {}

  ProjectModel Build() {
    while (in_.More()) {
      const int tag = in_.Byte() % kTagCount;
      if (tag == kProject) {
        Project();
      } else if (tag == kPage) {
        NewPage();
      } else if (tag == kPageScripts) {
        PageModel& page = Page();
        page.showScript = in_.Long();
        page.hideScript = in_.Long();
        page.resizeScript = in_.Long();
        page.wheelScript = in_.Long();
      } else if (tag == kFunction) {
        FunctionModel& function = project_.AddFunction(in_.Text(), std::string());
        function.slot = in_.Byte() % 4;
        function.body = in_.Long();
      } else if (tag == kEmbedded) {
        const std::string name = in_.Text();
        project_.AddEmbeddedFile(name, in_.Long());
      } else if (tag == kFontFile) {
        project_.fonts.push_back(in_.Text());
      } else if (objects_ < kMaxObjects) {
        ++objects_;
        Object(tag);
      } else {
        break;
      }
    }
    if (project_.pages.empty()) project_.AddPage("Main");
    return std::move(project_);
  }

 private:
  void Project() {
    project_.title = in_.Text();
    const int bits = in_.Byte();
    project_.hintFollowsMouse = in_.Bit(bits, 0);
    project_.extractAllEmbedded = in_.Bit(bits, 1);
    project_.ignoreMissingFlash = in_.Bit(bits, 2);
    project_.changeResolution = in_.Bit(bits, 3);
    project_.exitOnBadResolution = in_.Bit(bits, 4);
    project_.noScreenSaver = in_.Bit(bits, 5);
    project_.hintPause = in_.Word();
    project_.hintHidePause = in_.Word();
    project_.requestedMode = in_.Text();
    project_.errorScript = in_.Long();
    project_.hintScript = in_.Long();
    project_.minimizeScript = in_.Long();
    project_.restoreScript = in_.Long();
  }

  void NewPage() {
    if (project_.pages.size() >= kMaxPages) {
      (void)in_.Text();
      return;
    }
    PageModel& page = project_.AddPage(in_.Text());
    page.caption = in_.Text();
    page.width = in_.Word();
    page.height = in_.Word();
    page.alpha = in_.Byte();
    page.lightness = static_cast<std::int8_t>(in_.Byte());
    page.blur = in_.Byte();
    page.contrast = static_cast<std::int8_t>(in_.Byte());
    page.cursor = in_.Byte() % 32;
    const int bits = in_.Byte();
    page.flags.rightToLeft = in_.Bit(bits, 0);
    page.flags.centred = in_.Bit(bits, 1);
    page.flags.resizable = in_.Bit(bits, 2);
    page.flags.hidden = in_.Bit(bits, 3);
    page.flags.backgroundTransparent = in_.Bit(bits, 4);
    page.flags.alphaBlend = in_.Bit(bits, 5);
    page.flags.grayScale = in_.Bit(bits, 6);
    page.flags.invert = in_.Bit(bits, 7);
    page.flags.frame = in_.Byte() % 4;
    page.flags.drawMode = in_.Byte() % 6;
    page.flags.transition = in_.Byte() % 15;
    page.flags.transitionDuration = in_.Word();
    page.background = in_.Long();
  }

  PageModel& Page() { return project_.pages.empty() ? project_.AddPage("Main") : project_.pages.back(); }

  void Object(int tag) {
    PageModel& page = Page();
    const std::string name = in_.Text();
    const int bits = in_.Byte();
    switch (tag) {
      case kText: {
        TextModel& o = page.AddText(name);
        Visual(o, bits);
        o.font = Font(in_);
        o.wordWrap = in_.Bit(bits, 2);
        o.autoSize = in_.Bit(bits, 3);
        o.colorEvents = in_.Bit(bits, 4);
        o.rightToLeft = in_.Bit(bits, 5);
        o.alignment = in_.Byte() % 4;
        o.caption = in_.Long();
        break;
      }
      case kEdit: {
        EditModel& o = page.AddEdit(name);
        Visual(o, bits);
        o.readOnly = in_.Bit(bits, 2);
        o.autoSize = in_.Bit(bits, 3);
        o.passwordChar = static_cast<char>(in_.Byte());
        o.charCase = in_.Byte() % 3;
        o.maxLength = in_.Word();
        o.tabOrder = in_.Byte();
        o.text = in_.Text();
        o.changeScript = in_.Long();
        break;
      }
      case kButton: {
        ButtonModel& o = page.AddButton(name);
        Visual(o, bits);
        o.isDefault = in_.Bit(bits, 2);
        o.tabOrder = in_.Byte();
        o.caption = in_.Text();
        break;
      }
      case kPicture: {
        PictureModel& o = page.AddPicture(name);
        Visual(o, bits);
        o.transparent = in_.Bit(bits, 2);
        o.stretch = in_.Bit(bits, 3);
        o.proportional = in_.Bit(bits, 4);
        o.center = in_.Bit(bits, 5);
        o.autoSize = in_.Bit(bits, 6);
        o.animate = in_.Bit(bits, 7);
        o.fileName = in_.Text();
        o.image = in_.Long();
        break;
      }
      case kShape: {
        ShapeModel& o = page.AddShape(name);
        Visual(o, bits);
        o.form = in_.Byte() % 10;
        o.brushStyle = in_.Byte() % 9;
        o.penStyle = in_.Byte() % 8;
        o.invertPen = in_.Bit(bits, 2);
        for (int n = in_.Byte() % 12; n > 0; --n) o.points.push_back({in_.Word(), in_.Word()});
        break;
      }
      case kSound: {
        SoundModel& o = page.AddSound(name);
        o.loop = in_.Bit(bits, 0);
        o.playWithPageStart = in_.Bit(bits, 1);
        o.volume = in_.Word();
        o.numberOfLoops = in_.Byte();
        o.fileName = in_.Text();
        o.startScript = in_.Long();
        o.finishScript = in_.Long();
        break;
      }
      case kVideo: {
        VideoModel& o = page.AddVideo(name);
        o.bounds = in_.Box();
        o.visible = !in_.Bit(bits, 0);
        o.loop = in_.Bit(bits, 1);
        o.playWithPageStart = in_.Bit(bits, 2);
        o.speed = in_.Byte();
        o.path = in_.Text();
        o.startScript = in_.Long();
        o.finishScript = in_.Long();
        break;
      }
      case kFlash: {
        FlashModel& o = page.AddFlash(name);
        o.bounds = in_.Box();
        o.visible = !in_.Bit(bits, 0);
        o.movie = in_.Text();
        o.fsCommandScript = in_.Long();
        break;
      }
      case kBrowser: {
        BrowserModel& o = page.AddBrowser(name);
        o.bounds = in_.Box();
        o.visible = !in_.Bit(bits, 0);
        o.defPath = in_.Text();
        o.navigateCompleteScript = in_.Long();
        break;
      }
      case kTimer: {
        TimerModel& o = page.AddTimer(name);
        o.enabled = !in_.Bit(bits, 0);
        o.interval = in_.Word();
        o.numberOfLoops = in_.Byte();
        o.script = in_.Long();
        break;
      }
      default: {
        PluginModel& o = page.AddPlugin(name);
        o.bounds = in_.Box();
        o.path = in_.Text();
        break;
      }
    }
  }

  // Bounds, visibility, enabling, hint, cursor and the mouse scripts.
  template <typename Model>
  void Visual(Model& o, int bits) {
    o.bounds = in_.Box();
    o.visible = !in_.Bit(bits, 0);
    o.enabled = !in_.Bit(bits, 1);
    o.cursor = in_.Byte() % 32;
    o.hint = in_.Text();
    o.scripts = in_.Scripts();
  }

  Reader& in_;
  ProjectModel project_;
  std::size_t objects_ = 0;
};

std::vector<vx::PeResource> Resources(const std::uint8_t* data, std::size_t size, bool& splash) {
  const std::uint8_t mode = data[size - 1];
  splash = (mode & 0x08) != 0;
  const auto key = static_cast<std::int8_t>(1 + (mode >> 4) % 15);
  if ((mode & 0x07) == 0x07)
    return {{"PDATA", std::string(reinterpret_cast<const char*>(data), size - 1)}};
  Reader in(data, size - 1);
  return WriteResources(Builder(in).Build(), key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  bool splash = false;
  std::vector<vx::PeResource> resources;
  try {
    resources = Resources(data, size, splash);
  } catch (const vx::Error&) {
    return 0;  // texts the container cannot carry
  }
  vx::sim::SimDesktop desktop;
  vx::fuzz::KeepOffRealDisk(desktop);
  vx::fuzz::InstallPresentation(desktop, resources, splash);
  try {
    std::unique_ptr<vx::Application> app = vx::fuzz::StartBounded(desktop);
    vx::fuzz::RunTour(desktop, *app);
  } catch (const vx::sim::ProcessExited&) {
  }
  return 0;
}
