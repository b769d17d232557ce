#include "tools/common/container_writer.h"

#include <algorithm>

#include "host/object_kinds.h"
#include "script/shift.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/lines.h"

namespace vx::tools {

namespace {

char Flag(bool on) { return on ? '\x01' : '\x00'; }

// A flag stored raw is 0xFF when set: a raw 0x01 after a clear flag would
// begin a field marker.
char RawFlag(bool on) { return on ? '\xFF' : '\x00'; }

char Digit(int value, std::string_view what) {
  if (value < 0 || value > 9) throw Error(std::string(what) + " must be one digit, not " + std::to_string(value));
  return static_cast<char>('0' + value);
}

char Code(int value, std::string_view what) {
  if (value < 0 || value > 255) throw Error(std::string(what) + " must fit one byte, not " + std::to_string(value));
  return static_cast<char>(value);
}

std::string Rgb(Color c) {
  return {static_cast<char>(platform::RedOf(c)), static_cast<char>(platform::GreenOf(c)),
          static_cast<char>(platform::BlueOf(c))};
}

std::string Num(int value) { return std::to_string(value); }

// The header holds four digits: full volume, 10000, is written as 9999.
std::string Volume(int volume) {
  if (volume == 10000) volume = 9999;
  std::string text = volume >= 0 ? ZeroPad(volume, 4) : std::to_string(volume);
  if (text.size() != 4) throw Error("a volume must fit four characters, not " + text);
  return text;
}

std::string FontStyle(const FontModel& f) {
  return {Flag(f.bold), Flag(f.italic), Flag(f.underline), Flag(f.strikeOut)};
}

// A decoded object header and the decoded fields 36 onward.
struct ObjectRecord {
  ObjectKind kind;
  std::string trailing;
  std::vector<std::string> fields;
};

void AddMouseScripts(std::vector<std::string>& fields, const MouseScripts& s) {
  for (const auto* script : {&s.mouseDown, &s.mouseUp, &s.mouseEnter, &s.mouseLeave})
    fields.push_back(StoredScript(*script));
}

std::vector<std::string> Placement(const Bounds& b) {
  return {Num(b.left), Num(b.top), Num(b.width), Num(b.height)};
}

ObjectRecord RecordOf(const TextModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Text, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.wordWrap)} + FontStyle(o.font) + Rgb(o.font.color) +
               Flag(o.rightToLeft) + Flag(o.transparent) + Digit(o.layout, "a text's layout") +
               Flag(o.autoSize) + Digit(o.alignment, "a text's alignment") + Flag(o.colorEvents) +
               Rgb(o.background) + Rgb(o.colorHover) + Rgb(o.colorClick);
  // Left and the enabled digit share a field; top is stored one higher.
  r.fields = {Num(o.bounds.left + 1) + (o.enabled ? "1" : "0"), Num(o.bounds.top + 1), Num(o.bounds.width),
              Num(o.bounds.height), o.hint, o.caption, o.font.name, Num(o.font.charset), Num(o.font.size),
              Num(o.cursor)};
  AddMouseScripts(r.fields, o.scripts);
  return r;
}

ObjectRecord RecordOf(const EditModel& o, std::int8_t key) {
  ObjectRecord r{ObjectKind::Edit, {}, {}};
  // The password character is read raw, so the header holds it decoded.
  const std::string password = ShiftDecode(std::string(1, o.passwordChar), key);
  r.trailing = std::string{Flag(o.visible), Flag(o.tabStop), Flag(o.readOnly), Flag(o.autoSelect),
                           Flag(o.rightToLeft), Flag(o.enabled), Flag(o.colorEvents), Flag(o.autoSize),
                           Flag(o.ctl3D)} +
               FontStyle(o.font) + password + Digit(o.charCase, "an edit's character case") +
               Digit(o.bevelInner, "an edit's inner bevel") + Digit(o.bevelOuter, "an edit's outer bevel") +
               Digit(o.bevelKind, "an edit's bevel kind") + Digit(o.border, "an edit's border") +
               Rgb(o.font.color) + Rgb(o.color) + Rgb(o.colorHover) + Rgb(o.colorHoverFont) +
               Rgb(o.colorEnter) + Rgb(o.colorEnterFont);
  r.fields = Placement(o.bounds);
  for (auto&& f : {o.hint, o.text, o.font.name, Num(o.font.charset), Num(o.font.size), Num(o.maxLength),
                   Num(o.tabOrder), Num(o.cursor), StoredScript(o.changeScript)})
    r.fields.push_back(f);
  AddMouseScripts(r.fields, o.scripts);
  return r;
}

ObjectRecord RecordOf(const ButtonModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Button, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.tabStop), Flag(o.isDefault), Flag(o.enabled),
                           Flag(o.showFocusRect), Flag(o.rightToLeft)} +
               FontStyle(o.font) + Rgb(o.font.color);
  r.fields = Placement(o.bounds);
  for (auto&& f : {o.hint, o.caption, o.font.name, Num(o.font.charset), Num(o.font.size), Num(o.tabOrder),
                   Num(o.cursor)})
    r.fields.push_back(f);
  AddMouseScripts(r.fields, o.scripts);
  return r;
}

ObjectRecord RecordOf(const PictureModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Picture, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.transparent), Flag(o.enabled), Flag(o.proportional),
                           Flag(o.stretch), Flag(o.center), Flag(o.autoSize), Flag(o.animate)} +
               Rgb(o.transparentColor);
  r.fields = {o.fileName};
  for (auto&& f : Placement(o.bounds)) r.fields.push_back(f);
  r.fields.push_back(o.hint);
  r.fields.push_back(Num(o.cursor));
  AddMouseScripts(r.fields, o.scripts);
  return r;
}

ObjectRecord RecordOf(const ShapeModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Shape, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.enabled), Code(o.brushStyle, "a brush style"),
                           Code(o.penStyle, "a pen style"), Flag(o.variant), Flag(o.invertPen)} +
               Rgb(o.brushColor) + Rgb(o.penColor) + Code(o.form, "a shape form");
  std::string hintAndPoints = o.hint;
  for (const auto& pt : o.points) hintAndPoints += "\x01" + Num(pt.x) + "," + Num(pt.y);
  r.fields = Placement(o.bounds);
  r.fields.push_back(hintAndPoints);
  r.fields.push_back(Num(o.cursor));
  AddMouseScripts(r.fields, o.scripts);
  return r;
}

ObjectRecord RecordOf(const SoundModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Sound, {}, {}};
  r.trailing = std::string{Flag(o.loop), Flag(o.playWithPageStart)} + Volume(o.volume);
  // The first two fields are read and ignored.
  r.fields = {"0", "0", Num(o.delayBetweenLoops), Num(o.numberOfLoops), o.fileName,
              StoredScript(o.startScript), StoredScript(o.finishScript)};
  return r;
}

ObjectRecord RecordOf(const VideoModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Video, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.loop), Flag(o.playWithPageStart)} + Volume(o.volume);
  r.fields = Placement(o.bounds);
  // The still picture's field text is not used.
  for (auto&& f : {Num(o.delayBetweenLoops), Num(o.speed), o.path, std::string("still"),
                   StoredScript(o.startScript), StoredScript(o.finishScript)})
    r.fields.push_back(f);
  return r;
}

ObjectRecord RecordOf(const FlashModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Flash, {}, {}};
  r.trailing = std::string{Flag(o.visible), Flag(o.playing), Flag(o.loop), Flag(o.menu),
                           Code(o.quality, "a Flash quality"), Code(o.scaleMode, "a Flash scale mode")} +
               Rgb(o.background);
  r.fields = Placement(o.bounds);
  for (auto&& f : {o.movie, Num(o.cursor), Num(o.startFrame), o.hint, StoredScript(o.fsCommandScript),
                   StoredScript(o.flashCallScript)})
    r.fields.push_back(f);
  return r;
}

ObjectRecord RecordOf(const BrowserModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Browser, {}, {}};
  r.trailing = {Flag(o.visible),    Flag(o.tabStop),       Flag(o.acceptDrop), Flag(o.contextMenu),
                Flag(o.offline),    Flag(o.textSelection), Flag(o.border3D),   Flag(o.scrollBars)};
  r.fields = Placement(o.bounds);
  for (auto&& f : {Num(o.tabOrder), Num(o.cursor), o.defPath, o.hint})
    r.fields.push_back(f);
  for (const auto* s : {&o.beforeNavigateScript, &o.navigateCompleteScript, &o.newWindowScript,
                        &o.progressScript, &o.statusScript, &o.titleScript, &o.addressScript})
    r.fields.push_back(StoredScript(*s));
  return r;
}

ObjectRecord RecordOf(const TimerModel& o, std::int8_t) {
  return {ObjectKind::Timer, std::string{Flag(o.enabled)},
          {Num(o.interval), Num(o.numberOfLoops), StoredScript(o.script)}};
}

ObjectRecord RecordOf(const PluginModel& o, std::int8_t) {
  ObjectRecord r{ObjectKind::Plugin, std::string{Flag(o.visible)}, Placement(o.bounds)};
  r.fields.push_back(o.path);
  return r;
}

void WriteObject(ContainerBuilder& out, const ObjectModel& object) {
  const ObjectRecord r = std::visit([&](const auto& o) { return RecordOf(o, out.Key()); }, object);
  const ObjectKindInfo& info = KindInfo(r.kind);
  const std::string name = std::visit([](const auto& o) { return o.name; }, object);
  // Both would make the record end early for the reader.
  if (r.trailing.size() != static_cast<std::size_t>(info.trailingCount) ||
      r.fields.size() != static_cast<std::size_t>(info.lastField - kObjectHeaderField))
    throw Error("object " + name + ": the record does not match the layout of " + std::string(info.className));
  std::string header(reinterpret_cast<const char*>(info.code), 2);
  out.Field(header + name + r.trailing);
  for (const auto& field : r.fields) out.Field(field);
}

// Field 24, decoded; the colours are stored the odd ways the reader takes them.
std::string PageFlagsText(const PageFlags& f, std::int8_t key) {
  std::string p{Flag(f.rightToLeft), f.centred ? '0' : '1', Flag(f.systemMenu), Flag(f.minimizeButton),
                Flag(f.maximizeButton), Flag(f.helpButton), Flag(f.resizable), Flag(f.stayOnTop),
                Flag(f.showBorderShape), Flag(f.noSnap), Digit(f.frame, "a page frame"),
                Flag(f.horzScrollBar), Flag(f.vertScrollBar), Flag(f.alphaBlend), Flag(f.smoothStretch),
                Flag(f.grayScale), Flag(f.flipHorizontal), Flag(f.emboss), Flag(f.invert),
                Flag(f.flipVertical), Flag(f.backgroundTransparent), Digit(f.drawMode, "a draw mode")};
  p += ShiftDecode(Rgb(f.backgroundTransparentColor), key);  // taken raw
  p += Flag(f.transparentColorKey);
  p += ShiftEncode(Rgb(f.transparentColor), key);  // taken decoded twice
  p += Flag(f.doubleBuffered);
  p += ShiftEncode(Rgb(f.windowColor), key);
  p += Flag(f.hidden);
  p += Code(f.transition, "a transition code");
  p += Num(f.transitionDuration);
  return p;
}

void WritePage(ContainerBuilder& out, const PageModel& page) {
  out.Record("FORM", page.name);
  for (auto&& f : {page.caption, Num(page.width), Num(page.height), Num(page.alpha), Num(page.lightness),
                   Num(page.blur), Num(page.contrast), Num(page.saturation), Num(page.sharpen),
                   Num(page.sponge), Num(page.cursor), std::string("background"),
                   PageFlagsText(page.flags, out.Key()),
                   std::string{'0', Digit(page.transitionDirection, "a transition direction"),
                               Flag(page.transitionOption1), Flag(page.transitionOption2)},
                   Num(page.transitionStyle), Num(page.transitionSubStyle), Num(page.transitionSize1),
                   Num(page.transitionSize2), page.transitionMask, StoredScript(page.showScript),
                   StoredScript(page.hideScript), StoredScript(page.resizeScript),
                   StoredScript(page.wheelScript)})
    out.Field(f);
  for (const auto& object : page.objects) WriteObject(out, object);
}

std::string ThreadDigits(const std::vector<int>& codes) {
  std::string digits;
  for (int code : codes) digits += Digit(6 - code, "a thread priority code's digit (6 minus the code)");
  return digits;
}

}  // namespace

ContainerBuilder& ContainerBuilder::Field(std::string_view decoded) { return RawField(Encode(decoded)); }

ContainerBuilder& ContainerBuilder::RawField(std::string_view raw) {
  bytes_ += raw;
  markers_.push_back(bytes_.size());
  bytes_ += kFieldMarker;
  return *this;
}

ContainerBuilder& ContainerBuilder::Record(std::string_view tag, std::string_view payload) {
  return RawField(Encode(tag) + '\x05' + Encode(payload));
}

std::string ContainerBuilder::Encode(std::string_view decoded) const { return ShiftEncode(decoded, key_); }

std::string ContainerBuilder::Finish() const {
  // Frame the bytes as the reader will and insist on the same markers.
  std::vector<std::size_t> found;
  for (std::size_t p = 0; p < bytes_.size(); ++p) {
    if (bytes_[p] != '\0') continue;
    bool marker = bytes_.size() - p >= kFieldMarker.size();
    for (std::size_t i = 0; marker && i < kFieldMarker.size(); ++i) {
      const auto b = static_cast<unsigned char>(bytes_[p + i]);
      marker = i % 2 == 0 ? b == 0 : (b == 1 || (b >= 10 && b <= 19) || (b >= 100 && b <= 199));
    }
    if (marker) {
      found.push_back(p);
      p += kFieldMarker.size() - 1;
    } else if (p == 7) {
      throw Error("the container would hold a lone zero byte at byte 7; choose another key");
    }
  }
  if (found != markers_) {
    const auto bad = std::mismatch(found.begin(), found.end(), markers_.begin(), markers_.end());
    const std::size_t at = bad.first != found.end() ? *bad.first : bytes_.size();
    throw Error("the field bytes near byte " + std::to_string(at) +
                " would read as a field marker; choose another key or other values");
  }
  return bytes_;
}

std::string StoredScript(std::string_view text) {
  std::string stored;
  for (const auto& line : SplitLines(text)) {
    stored += line;
    stored += '\x01';
  }
  return stored;
}

std::string WriteContainer(const ProjectModel& project, std::int8_t key) {
  if (key < 1 || key > 99) throw Error("a project key is 1 to 99, not " + std::to_string(key));
  ContainerBuilder out(key);
  out.Field(project.header).Field(project.title);
  std::string options{'\x00', RawFlag(project.noCursorShadow), RawFlag(project.noScreenSaver),
                      RawFlag(project.swapMouseButtons), RawFlag(project.noMenuFade),
                      RawFlag(project.extractAllEmbedded), RawFlag(project.hintFollowsMouse)};
  options += Rgb(project.hintColor) + Rgb(project.hintFontColor) + RawFlag(project.ignoreMissingFlash);
  out.RawField(options + out.Encode(Num(project.hintHidePause)));
  out.Field(Num(project.hintPause));
  out.RawField(std::string{RawFlag(project.changeResolution), RawFlag(project.exitOnBadResolution)});
  out.Field(project.requestedMode);
  for (const auto* script : {&project.errorScript, &project.hintScript, &project.minimizeScript,
                             &project.restoreScript, &project.reservedScript})
    out.Field(StoredScript(*script));
  for (const auto& file : project.embeddedFiles) out.Record("EMBD", file.name);
  for (const auto& font : project.fonts) out.Record("FONT", font);
  for (const auto& cursor : project.cursorFiles) out.Record("CURS", cursor);
  if (!project.threadPriorityCodes.empty()) out.Record("THRD", ThreadDigits(project.threadPriorityCodes));
  for (const auto& f : project.functions)
    out.Record("FUNC", f.name + "-" + f.shortcut + ":" + Num(f.slot) + ":" + StoredScript(f.body));
  for (const auto& page : project.pages) WritePage(out, page);
  return out.Finish();
}

std::vector<PeResource> WriteResources(const ProjectModel& project, std::int8_t key) {
  std::vector<PeResource> resources{{"PDATA", WriteContainer(project, key)}};
  int pageNumber = 0;
  for (const auto& page : project.pages) {
    ++pageNumber;
    if (!page.background.empty()) resources.push_back({"BDATAG" + Num(pageNumber), page.background});
  }
  int pictureNumber = 0;
  for (const auto& page : project.pages)
    for (const auto& object : page.objects)
      if (const auto* picture = std::get_if<PictureModel>(&object))
        resources.push_back({"IDATA" + Num(++pictureNumber), picture->image});
  int fileNumber = 0;
  for (const auto& file : project.embeddedFiles) resources.push_back({"DATAE" + Num(++fileNumber), file.bytes});
  return resources;
}

std::string TrailerBytes(bool showSplash) {
  std::string block = showSplash ? "1\r\n" : "0\r\n";
  const auto count = static_cast<std::uint32_t>(block.size() + 4);
  for (int i = 0; i < 4; ++i) block += static_cast<char>((count >> (8 * i)) & 0xFF);
  return block;
}

}  // namespace vx::tools
