#include "tools/vxpack/manifest.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "tools/common/event_text.h"
#include "tools/vxpack/font_finder.h"
#include "tools/vxpack/media_synth.h"
#include "util/codepage.h"
#include "util/conversions.h"
#include "util/error.h"

namespace vx::tools {

namespace {

std::string folder_;  // the source folder, for media paths

[[noreturn]] void Fail(const YAML::Node& node, const std::string& what) {
  throw Error("project.yaml:" + std::to_string(node.Mark().line + 1) + ": " + what);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Text(const YAML::Node& n) {
  if (!n.IsScalar()) Fail(n, "expected a text");
  return Utf8ToCp1256(n.Scalar());
}
int Int(const YAML::Node& n) {
  try {
    return StrToInt(Text(n));
  } catch (const Error&) {
    Fail(n, "expected a whole number, not \"" + n.Scalar() + "\"");
  }
}
bool Bool(const YAML::Node& n) {
  try {
    return n.as<bool>();
  } catch (const YAML::Exception&) {
    Fail(n, "expected yes or no");
  }
}
Color Colour(const YAML::Node& n) {
  const std::string t = Text(n);
  if (t.size() != 6 || t.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    Fail(n, "expected a colour as six hexadecimal digits RRGGBB");
  return HexToColor(t);
}
// A file beside project.yaml; the error names it as the author wrote it.
std::string Media(const YAML::Node& n) {
  if (!n.IsScalar()) Fail(n, "expected a file name");
  std::ifstream in(folder_ + "/" + n.Scalar(), std::ios::binary);
  if (!in) Fail(n, "cannot read \"" + n.Scalar() + "\"");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// An embedded file vxpack makes: {chime: NAME, hz: 880, ms: 600} or
// {clip: NAME, colour: RRGGBB, width: 64, height: 48, frames: 20, fps: 10}.
void MadeMedia(ProjectModel& model, const YAML::Node& n) {
  auto number = [&](const char* key, int fallback, int low, int high) {
    const int v = n[key] ? Int(n[key]) : fallback;
    if (v < low || v > high) Fail(n[key], std::string(key) + " must lie in " + std::to_string(low) + " ... " + std::to_string(high));
    return v;
  };
  for (const auto& item : n) {
    const std::string key = item.first.Scalar();
    static const char* const kKnown[] = {"chime", "clip", "hz", "ms", "colour", "width", "height", "frames", "fps"};
    if (std::find(std::begin(kKnown), std::end(kKnown), key) == std::end(kKnown)) Fail(item.first, "unknown key " + key);
  }
  if (n["chime"]) {
    model.AddEmbeddedFile(Text(n["chime"]), ChimeWave(number("hz", 880, 20, 10000), number("ms", 600, 10, 60000)));
  } else if (n["clip"]) {
    const Color c = n["colour"] ? Colour(n["colour"]) : platform::MakeColor(48, 96, 192);
    const std::uint32_t rgb = (std::uint32_t{platform::RedOf(c)} << 16) | (std::uint32_t{platform::GreenOf(c)} << 8) | platform::BlueOf(c);
    model.AddEmbeddedFile(Text(n["clip"]), ColourClipAvi(number("width", 64, 1, 1024), number("height", 48, 1, 1024),
                                                       number("frames", 20, 1, 10000), number("fps", 10, 1, 100), rgb));
  } else {
    Fail(n, "expected a file name, {chime: NAME} or {clip: NAME}");
  }
}

// A font the player installs: either its path as the player sees it
// ("[embed]name.ttf"), or {family: NAME}, an installed font that travels
// inside the presentation as an embedded file.
std::string FontEntry(ProjectModel& model, const YAML::Node& n) {
  if (n.IsScalar()) return Text(n);
  if (!n.IsMap() || !n["family"] || n.size() != 1) Fail(n, "expected a font file or {family: NAME}");
  const std::string family = n["family"].Scalar();
  const auto file = FindFontFile(family);
  if (!file) Fail(n, "no installed font of the family \"" + family + "\"");
  const std::string name = file->substr(file->find_last_of('/') + 1);
  bool embedded = false;
  for (const auto& e : model.embeddedFiles) embedded = embedded || e.name == Utf8ToCp1256(name);
  if (!embedded) {
    std::ifstream in(*file, std::ios::binary);
    if (!in) Fail(n, "cannot read the font file " + *file);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    model.AddEmbeddedFile(Utf8ToCp1256(name), bytes.str());
  }
  return "[embed]" + Utf8ToCp1256(name);
}

template <typename T>
using Setter = std::function<void(T&, const YAML::Node&)>;
template <typename T>
struct Key {
  const char* name;
  Setter<T> set;
};

template <typename T, typename M>
Setter<T> S(M T::*m) {
  return [m](T& o, const YAML::Node& n) {
    if constexpr (std::is_same_v<M, std::string>) o.*m = Text(n);
    else if constexpr (std::is_same_v<M, bool>) o.*m = Bool(n);
    else if constexpr (std::is_same_v<M, int>) o.*m = Int(n);
    else if constexpr (std::is_same_v<M, Color>) o.*m = Colour(n);
  };
}
// A script: "{{ ... }}" writes an event text (tools/common/event_text.h).
template <typename T>
Setter<T> Script(std::string T::*m) {
  return [m](T& o, const YAML::Node& n) {
    try {
      o.*m = ExpandEventTexts(Text(n));
    } catch (const Error& e) {
      Fail(n, e.what());
    }
  };
}
template <typename T>
Setter<T> File(std::string T::*m) {
  return [m](T& o, const YAML::Node& n) { o.*m = Media(n); };
}
template <typename T>
Setter<T> Char(char T::*m) {
  return [m](T& o, const YAML::Node& n) {
    const std::string t = Text(n);
    if (t.size() != 1) Fail(n, "expected one character");
    o.*m = t[0];
  };
}

template <typename T>
void Apply(T& object, const YAML::Node& map, const std::vector<Key<T>>& keys, const char* what,
           const char* skip = nullptr) {
  if (!map.IsMap()) Fail(map, std::string("expected the settings of a ") + what);
  for (const auto& entry : map) {
    const std::string name = entry.first.Scalar();
    if (skip != nullptr && name == skip) continue;
    bool known = false;
    for (const auto& key : keys)
      if (name == key.name) {
        key.set(object, entry.second);
        known = true;
        break;
      }
    if (!known) Fail(entry.first, "unknown setting \"" + name + "\" of a " + what);
  }
}

const std::vector<Key<FontModel>> kFont = {
    {"name", S(&FontModel::name)},           {"charset", S(&FontModel::charset)},
    {"size", S(&FontModel::size)},           {"bold", S(&FontModel::bold)},
    {"italic", S(&FontModel::italic)},       {"underline", S(&FontModel::underline)},
    {"strike-out", S(&FontModel::strikeOut)}, {"colour", S(&FontModel::color)},
};
const std::vector<Key<MouseScripts>> kMouse = {
    {"mouse-down", Script(&MouseScripts::mouseDown)}, {"mouse-up", Script(&MouseScripts::mouseUp)},
    {"mouse-enter", Script(&MouseScripts::mouseEnter)}, {"mouse-leave", Script(&MouseScripts::mouseLeave)},
};

template <typename T>
Setter<T> BoundsOf() {
  return [](T& o, const YAML::Node& n) {
    if (!n.IsSequence() || n.size() != 4) Fail(n, "expected [left, top, width, height]");
    o.bounds = {Int(n[0]), Int(n[1]), Int(n[2]), Int(n[3])};
  };
}
template <typename T>
Setter<T> FontOf() {
  return [](T& o, const YAML::Node& n) { Apply(o.font, n, kFont, "font"); };
}
template <typename T>
Setter<T> MouseOf() {
  return [](T& o, const YAML::Node& n) { Apply(o.scripts, n, kMouse, "set of mouse scripts"); };
}

const std::vector<Key<TextModel>> kText = {
    {"bounds", BoundsOf<TextModel>()}, {"font", FontOf<TextModel>()}, {"scripts", MouseOf<TextModel>()},
    {"visible", S(&TextModel::visible)}, {"enabled", S(&TextModel::enabled)},
    {"word-wrap", S(&TextModel::wordWrap)}, {"right-to-left", S(&TextModel::rightToLeft)},
    {"transparent", S(&TextModel::transparent)}, {"layout", S(&TextModel::layout)},
    {"auto-size", S(&TextModel::autoSize)}, {"alignment", S(&TextModel::alignment)},
    {"colour-events", S(&TextModel::colorEvents)}, {"background", S(&TextModel::background)},
    {"colour-hover", S(&TextModel::colorHover)}, {"colour-click", S(&TextModel::colorClick)},
    {"hint", S(&TextModel::hint)}, {"caption", S(&TextModel::caption)}, {"cursor", S(&TextModel::cursor)},
};
const std::vector<Key<EditModel>> kEdit = {
    {"bounds", BoundsOf<EditModel>()}, {"font", FontOf<EditModel>()}, {"scripts", MouseOf<EditModel>()},
    {"visible", S(&EditModel::visible)}, {"tab-stop", S(&EditModel::tabStop)},
    {"read-only", S(&EditModel::readOnly)}, {"auto-select", S(&EditModel::autoSelect)},
    {"right-to-left", S(&EditModel::rightToLeft)}, {"enabled", S(&EditModel::enabled)},
    {"colour-events", S(&EditModel::colorEvents)}, {"auto-size", S(&EditModel::autoSize)},
    {"3d", S(&EditModel::ctl3D)}, {"password-char", Char(&EditModel::passwordChar)},
    {"char-case", S(&EditModel::charCase)}, {"bevel-inner", S(&EditModel::bevelInner)},
    {"bevel-outer", S(&EditModel::bevelOuter)}, {"bevel-kind", S(&EditModel::bevelKind)},
    {"border", S(&EditModel::border)}, {"colour", S(&EditModel::color)},
    {"colour-hover", S(&EditModel::colorHover)}, {"colour-hover-font", S(&EditModel::colorHoverFont)},
    {"colour-enter", S(&EditModel::colorEnter)}, {"colour-enter-font", S(&EditModel::colorEnterFont)},
    {"hint", S(&EditModel::hint)}, {"text", S(&EditModel::text)}, {"max-length", S(&EditModel::maxLength)},
    {"tab-order", S(&EditModel::tabOrder)}, {"cursor", S(&EditModel::cursor)},
    {"change-script", Script(&EditModel::changeScript)},
};
const std::vector<Key<ButtonModel>> kButton = {
    {"bounds", BoundsOf<ButtonModel>()}, {"font", FontOf<ButtonModel>()}, {"scripts", MouseOf<ButtonModel>()},
    {"visible", S(&ButtonModel::visible)}, {"tab-stop", S(&ButtonModel::tabStop)},
    {"default", S(&ButtonModel::isDefault)}, {"enabled", S(&ButtonModel::enabled)},
    {"focus-rect", S(&ButtonModel::showFocusRect)}, {"right-to-left", S(&ButtonModel::rightToLeft)},
    {"hint", S(&ButtonModel::hint)}, {"caption", S(&ButtonModel::caption)},
    {"tab-order", S(&ButtonModel::tabOrder)}, {"cursor", S(&ButtonModel::cursor)},
};
const std::vector<Key<PictureModel>> kPicture = {
    {"bounds", BoundsOf<PictureModel>()}, {"scripts", MouseOf<PictureModel>()},
    {"visible", S(&PictureModel::visible)}, {"transparent", S(&PictureModel::transparent)},
    {"enabled", S(&PictureModel::enabled)}, {"proportional", S(&PictureModel::proportional)},
    {"stretch", S(&PictureModel::stretch)}, {"center", S(&PictureModel::center)},
    {"auto-size", S(&PictureModel::autoSize)}, {"animate", S(&PictureModel::animate)},
    {"transparent-colour", S(&PictureModel::transparentColor)},
    {"image", [](PictureModel& o, const YAML::Node& n) {
       o.fileName = Text(n);
       o.image = Media(n);
     }},
    {"hint", S(&PictureModel::hint)}, {"cursor", S(&PictureModel::cursor)},
};
const std::vector<Key<ShapeModel>> kShape = {
    {"bounds", BoundsOf<ShapeModel>()}, {"scripts", MouseOf<ShapeModel>()},
    {"visible", S(&ShapeModel::visible)}, {"enabled", S(&ShapeModel::enabled)},
    {"brush-style", S(&ShapeModel::brushStyle)}, {"pen-style", S(&ShapeModel::penStyle)},
    {"variant", S(&ShapeModel::variant)}, {"invert-pen", S(&ShapeModel::invertPen)},
    {"brush-colour", S(&ShapeModel::brushColor)}, {"pen-colour", S(&ShapeModel::penColor)},
    {"form", S(&ShapeModel::form)}, {"hint", S(&ShapeModel::hint)}, {"cursor", S(&ShapeModel::cursor)},
    {"points", [](ShapeModel& o, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of [x, y]");
       for (const auto& p : n) {
         if (!p.IsSequence() || p.size() != 2) Fail(p, "expected [x, y]");
         o.points.push_back({Int(p[0]), Int(p[1])});
       }
     }},
};
const std::vector<Key<SoundModel>> kSound = {
    {"loop", S(&SoundModel::loop)}, {"play-with-page", S(&SoundModel::playWithPageStart)},
    {"volume", S(&SoundModel::volume)}, {"delay-between-loops", S(&SoundModel::delayBetweenLoops)},
    {"loops", S(&SoundModel::numberOfLoops)}, {"file", S(&SoundModel::fileName)},
    {"start-script", Script(&SoundModel::startScript)}, {"finish-script", Script(&SoundModel::finishScript)},
};
const std::vector<Key<VideoModel>> kVideo = {
    {"bounds", BoundsOf<VideoModel>()}, {"visible", S(&VideoModel::visible)}, {"loop", S(&VideoModel::loop)},
    {"play-with-page", S(&VideoModel::playWithPageStart)}, {"volume", S(&VideoModel::volume)},
    {"delay-between-loops", S(&VideoModel::delayBetweenLoops)}, {"speed", S(&VideoModel::speed)},
    {"file", S(&VideoModel::path)}, {"start-script", Script(&VideoModel::startScript)},
    {"finish-script", Script(&VideoModel::finishScript)},
};
const std::vector<Key<FlashModel>> kFlash = {
    {"bounds", BoundsOf<FlashModel>()}, {"visible", S(&FlashModel::visible)},
    {"playing", S(&FlashModel::playing)}, {"loop", S(&FlashModel::loop)}, {"menu", S(&FlashModel::menu)},
    {"quality", S(&FlashModel::quality)}, {"scale-mode", S(&FlashModel::scaleMode)},
    {"background", S(&FlashModel::background)}, {"movie", S(&FlashModel::movie)},
    {"cursor", S(&FlashModel::cursor)}, {"start-frame", S(&FlashModel::startFrame)},
    {"hint", S(&FlashModel::hint)}, {"fs-command-script", Script(&FlashModel::fsCommandScript)},
    {"flash-call-script", Script(&FlashModel::flashCallScript)},
};
const std::vector<Key<BrowserModel>> kBrowser = {
    {"bounds", BoundsOf<BrowserModel>()}, {"visible", S(&BrowserModel::visible)},
    {"tab-stop", S(&BrowserModel::tabStop)}, {"accept-drop", S(&BrowserModel::acceptDrop)},
    {"context-menu", S(&BrowserModel::contextMenu)}, {"offline", S(&BrowserModel::offline)},
    {"text-selection", S(&BrowserModel::textSelection)}, {"3d-border", S(&BrowserModel::border3D)},
    {"scroll-bars", S(&BrowserModel::scrollBars)}, {"tab-order", S(&BrowserModel::tabOrder)},
    {"cursor", S(&BrowserModel::cursor)}, {"start-page", S(&BrowserModel::defPath)},
    {"hint", S(&BrowserModel::hint)},
    {"before-navigate-script", Script(&BrowserModel::beforeNavigateScript)},
    {"navigate-complete-script", Script(&BrowserModel::navigateCompleteScript)},
    {"new-window-script", Script(&BrowserModel::newWindowScript)},
    {"progress-script", Script(&BrowserModel::progressScript)}, {"status-script", Script(&BrowserModel::statusScript)},
    {"title-script", Script(&BrowserModel::titleScript)}, {"address-script", Script(&BrowserModel::addressScript)},
};
const std::vector<Key<TimerModel>> kTimer = {
    {"enabled", S(&TimerModel::enabled)}, {"interval", S(&TimerModel::interval)},
    {"loops", S(&TimerModel::numberOfLoops)}, {"script", Script(&TimerModel::script)},
};
const std::vector<Key<PluginModel>> kPlugin = {
    {"bounds", BoundsOf<PluginModel>()}, {"visible", S(&PluginModel::visible)},
    {"file", S(&PluginModel::path)},
};

const std::vector<Key<PageFlags>> kPageFlags = {
    {"right-to-left", S(&PageFlags::rightToLeft)}, {"centred", S(&PageFlags::centred)},
    {"system-menu", S(&PageFlags::systemMenu)}, {"minimize-button", S(&PageFlags::minimizeButton)},
    {"maximize-button", S(&PageFlags::maximizeButton)}, {"help-button", S(&PageFlags::helpButton)},
    {"resizable", S(&PageFlags::resizable)}, {"stay-on-top", S(&PageFlags::stayOnTop)},
    {"border-shape", S(&PageFlags::showBorderShape)}, {"no-snap", S(&PageFlags::noSnap)},
    {"frame", S(&PageFlags::frame)}, {"horizontal-scroll-bar", S(&PageFlags::horzScrollBar)},
    {"vertical-scroll-bar", S(&PageFlags::vertScrollBar)}, {"alpha-blend", S(&PageFlags::alphaBlend)},
    {"smooth-stretch", S(&PageFlags::smoothStretch)}, {"grey-scale", S(&PageFlags::grayScale)},
    {"flip-horizontal", S(&PageFlags::flipHorizontal)}, {"emboss", S(&PageFlags::emboss)},
    {"invert", S(&PageFlags::invert)}, {"flip-vertical", S(&PageFlags::flipVertical)},
    {"background-transparent", S(&PageFlags::backgroundTransparent)}, {"draw-mode", S(&PageFlags::drawMode)},
    {"background-transparent-colour", S(&PageFlags::backgroundTransparentColor)},
    {"transparent-colour-key", S(&PageFlags::transparentColorKey)},
    {"transparent-colour", S(&PageFlags::transparentColor)}, {"double-buffered", S(&PageFlags::doubleBuffered)},
    {"window-colour", S(&PageFlags::windowColor)}, {"hidden", S(&PageFlags::hidden)},
    {"transition", S(&PageFlags::transition)}, {"transition-duration", S(&PageFlags::transitionDuration)},
};

template <typename T>
void AddObject(PageModel& page, const YAML::Node& node, const std::string& name,
               const std::vector<Key<T>>& keys, const char* kind) {
  T object;
  object.name = name;
  Apply(object, node, keys, kind, kind);
  page.objects.emplace_back(std::move(object));
}

struct ObjectKindKey {
  const char* key;
  std::function<void(PageModel&, const YAML::Node&, const std::string&, const char*)> add;
};
template <typename T>
ObjectKindKey Kind(const char* key, const std::vector<Key<T>>& keys) {
  return {key, [&keys](PageModel& p, const YAML::Node& n, const std::string& name, const char* kind) {
            AddObject(p, n, name, keys, kind);
          }};
}
const std::vector<ObjectKindKey> kObjectKinds = {
    Kind("text", kText),   Kind("edit", kEdit),     Kind("button", kButton),   Kind("picture", kPicture),
    Kind("shape", kShape), Kind("sound", kSound),   Kind("video", kVideo),     Kind("flash", kFlash),
    Kind("browser", kBrowser), Kind("timer", kTimer), Kind("plugin", kPlugin),
};

void AddObjectNode(PageModel& page, const YAML::Node& n) {
  if (!n.IsMap() || n.size() == 0) Fail(n, "expected an object such as \"- text: name\"");
  // The first key, not any key: an edit box has a "text" setting of its own.
  const auto first = n.begin();
  const std::string key = first->first.as<std::string>();
  for (const auto& kind : kObjectKinds)
    if (key == kind.key) {
      kind.add(page, n, Text(first->second), kind.key);
      return;
    }
  Fail(n, "an object needs its kind as its first key: text, edit, button, picture, shape, sound, "
          "video, flash, browser, timer or plugin");
}

const std::vector<Key<PageModel>> kPage = {
    {"name", S(&PageModel::name)}, {"caption", S(&PageModel::caption)}, {"width", S(&PageModel::width)},
    {"height", S(&PageModel::height)}, {"alpha", S(&PageModel::alpha)},
    {"lightness", S(&PageModel::lightness)}, {"blur", S(&PageModel::blur)},
    {"contrast", S(&PageModel::contrast)}, {"saturation", S(&PageModel::saturation)},
    {"sharpen", S(&PageModel::sharpen)}, {"sponge", S(&PageModel::sponge)},
    {"cursor", S(&PageModel::cursor)}, {"background", File(&PageModel::background)},
    {"flags", [](PageModel& p, const YAML::Node& n) { Apply(p.flags, n, kPageFlags, "page's flags"); }},
    {"transition-direction", S(&PageModel::transitionDirection)},
    {"transition-option-1", S(&PageModel::transitionOption1)},
    {"transition-option-2", S(&PageModel::transitionOption2)},
    {"transition-style", S(&PageModel::transitionStyle)},
    {"transition-sub-style", S(&PageModel::transitionSubStyle)},
    {"transition-size-1", S(&PageModel::transitionSize1)},
    {"transition-size-2", S(&PageModel::transitionSize2)},
    {"transition-mask", S(&PageModel::transitionMask)}, {"show-script", Script(&PageModel::showScript)},
    {"hide-script", Script(&PageModel::hideScript)}, {"resize-script", Script(&PageModel::resizeScript)},
    {"wheel-script", Script(&PageModel::wheelScript)},
    {"objects", [](PageModel& p, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of objects");
       for (const auto& o : n) AddObjectNode(p, o);
     }},
};

const std::vector<Key<FunctionModel>> kFunction = {
    {"name", S(&FunctionModel::name)}, {"shortcut", S(&FunctionModel::shortcut)},
    {"slot", S(&FunctionModel::slot)}, {"body", Script(&FunctionModel::body)},
};

template <typename T>
Setter<T> TextList(std::vector<std::string> T::*m) {
  return [m](T& o, const YAML::Node& n) {
    if (!n.IsSequence()) Fail(n, "expected a list");
    for (const auto& item : n) (o.*m).push_back(Text(item));
  };
}

const std::vector<Key<SourceProject>> kProject = {
    {"key", [](SourceProject& s, const YAML::Node& n) {
       const int key = Int(n);
       if (key < 1 || key > 99) Fail(n, "a project key is 1 to 99");
       s.key = static_cast<std::int8_t>(key);
     }},
    {"splash", [](SourceProject& s, const YAML::Node& n) { s.splash = Bool(n); }},
    {"title", [](SourceProject& s, const YAML::Node& n) { s.model.title = Text(n); }},
    {"options", [](SourceProject& s, const YAML::Node& n) {
       static const std::vector<Key<ProjectModel>> keys = {
           {"no-cursor-shadow", S(&ProjectModel::noCursorShadow)},
           {"no-screen-saver", S(&ProjectModel::noScreenSaver)},
           {"swap-mouse-buttons", S(&ProjectModel::swapMouseButtons)},
           {"no-menu-fade", S(&ProjectModel::noMenuFade)},
           {"extract-all-embedded", S(&ProjectModel::extractAllEmbedded)},
           {"ignore-missing-flash", S(&ProjectModel::ignoreMissingFlash)},
           {"hint-follows-mouse", S(&ProjectModel::hintFollowsMouse)},
           {"hint-colour", S(&ProjectModel::hintColor)}, {"hint-text-colour", S(&ProjectModel::hintFontColor)},
           {"hint-pause", S(&ProjectModel::hintPause)}, {"hint-hide-pause", S(&ProjectModel::hintHidePause)},
           {"change-resolution", S(&ProjectModel::changeResolution)},
           {"exit-on-bad-resolution", S(&ProjectModel::exitOnBadResolution)},
           {"resolution", S(&ProjectModel::requestedMode)},
       };
       Apply(s.model, n, keys, "project's options");
     }},
    {"scripts", [](SourceProject& s, const YAML::Node& n) {
       static const std::vector<Key<ProjectModel>> keys = {
           {"error", Script(&ProjectModel::errorScript)}, {"hint", Script(&ProjectModel::hintScript)},
           {"minimize", Script(&ProjectModel::minimizeScript)}, {"restore", Script(&ProjectModel::restoreScript)},
           {"reserved", Script(&ProjectModel::reservedScript)},
       };
       Apply(s.model, n, keys, "project's scripts");
     }},
    {"embedded", [](SourceProject& s, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of files");
       for (const auto& f : n) {
         if (f.IsMap()) {
           MadeMedia(s.model, f);
           continue;
         }
         s.model.AddEmbeddedFile(Text(f), Media(f));
       }
     }},
    {"fonts", [](SourceProject& s, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list");
       for (const auto& f : n) s.model.fonts.push_back(FontEntry(s.model, f));
     }},
    {"cursors", [](SourceProject& s, const YAML::Node& n) { TextList(&ProjectModel::cursorFiles)(s.model, n); }},
    {"threads", [](SourceProject& s, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of priority codes");
       for (const auto& c : n) s.model.threadPriorityCodes.push_back(Int(c));
     }},
    {"functions", [](SourceProject& s, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of functions");
       for (const auto& f : n) {
         FunctionModel fn;
         Apply(fn, f, kFunction, "function");
         s.model.functions.push_back(fn);
       }
     }},
    {"pages", [](SourceProject& s, const YAML::Node& n) {
       if (!n.IsSequence()) Fail(n, "expected a list of pages");
       for (const auto& p : n) {
         PageModel& page = s.model.AddPage("");
         page.caption.clear();
         Apply(page, p, kPage, "page");
         if (page.caption.empty()) page.caption = page.name;
       }
     }},
};

}  // namespace

SourceProject ReadSourceFolder(const std::string& folder) {
  folder_ = folder;
  const std::string path = folder + "/project.yaml";
  YAML::Node root;
  try {
    root = YAML::Load(ReadFile(path));
  } catch (const YAML::Exception& e) {
    throw Error("project.yaml:" + std::to_string(e.mark.line + 1) + ": " + e.msg);
  }
  SourceProject source;
  Apply(source, root, kProject, "project");
  return source;
}

}  // namespace vx::tools
