#include "tools/common/inspector.h"

#include <cstdio>

#include "host/container_reader.h"
#include "tools/common/inspector_fields.h"
#include "util/codepage.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/pe_resources.h"

namespace vx::tools {

namespace {

std::string Hex(unsigned char b) {
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", b);
  return text;
}

std::string HexBytes(std::string_view bytes) {
  std::string out;
  for (char c : bytes) out += Hex(static_cast<unsigned char>(c));
  return out;
}

const char* SettingName(platform::SystemSetting s) {
  switch (s) {
    case platform::SystemSetting::CursorShadow: return "cursor shadow";
    case platform::SystemSetting::ScreenSaver: return "screen saver";
    case platform::SystemSetting::MenuFade: return "menu fade";
    case platform::SystemSetting::FontSmoothing: return "font smoothing";
    case platform::SystemSetting::SwapMouseButtons: return "swap mouse buttons";
  }
  return "?";
}

class PrintingTarget : public ContainerTarget {
 public:
  std::string out;

  void SaveSystemSettings() override { out += "system settings saved\n"; }
  void ChangeSystemSetting(platform::SystemSetting s, bool on) override {
    out += std::string("system setting: ") + SettingName(s) + (on ? " on\n" : " off\n");
  }
  void InstallFont(const std::string& path) override { out += "font installed: " + Printable(path) + "\n"; }
  void PageStart(const std::string& name) override {
    ++page_;
    out += "\npage " + std::to_string(page_) + " \"" + Printable(name) + "\"\n";
  }
  void PageField(const ContainerField& f) override {
    const FieldName* name = PageFieldName(f.counter);
    Value("  ", f, name ? name->name : "?", name ? name->form : ValueForm::Bytes);
  }
  void ObjectHeader(const ObjectHeaderRecord& h) override {
    out += "  " + std::string(KindName(h.kind.kind)) + " \"" + Printable(h.name) + "\" (OBJ" +
           Printable(h.name) + ", byte " + std::to_string(h.field.offset) + ")\n";
    std::size_t at = 0;
    for (const auto& t : TrailingNames(h.kind.kind)) {
      const std::string part = h.trailing.substr(at, static_cast<std::size_t>(t.width));
      at += static_cast<std::size_t>(t.width);
      out += "      " + std::string(t.name) + ": " + Trailing(t.form, part) + "\n";
    }
  }
  void ObjectField(const ObjectKindInfo& kind, const ContainerField& f) override {
    const FieldName* name = ObjectFieldName(kind.kind, f.counter);
    Value("    ", f, name ? name->name : "?", name ? name->form : ValueForm::Bytes);
  }
  void EndOfContainer() override { out += "\nend of container\n"; }
  void LoadAbandoned() override {}
  void IgnoredField(const ContainerField& f, std::string_view why) override {
    out += "  (byte " + std::to_string(f.offset) + ", ignored: " + std::string(why) + ": " +
           Printable(f.decoded) + ")\n";
  }

 private:
  std::string Trailing(ValueForm form, const std::string& part) const {
    switch (form) {
      case ValueForm::Flag: return part.empty() || part[0] == '\0' ? "no" : "yes";
      case ValueForm::Color: return ColorToHex(BytesToColor(part));
      case ValueForm::Code: return part.empty() ? "?" : std::to_string(static_cast<unsigned char>(part[0]));
      case ValueForm::Bytes: return HexBytes(part);
      default: return "\"" + Printable(part) + "\"";
    }
  }

  void Value(const std::string& indent, const ContainerField& f, std::string_view name, ValueForm form) {
    out += indent + std::to_string(f.counter) + " " + std::string(name) + ": ";
    if (form == ValueForm::Script) {
      const LineList lines = StoredScriptLines(f.decoded);
      out += lines.empty() ? "(empty)\n" : "\n";
      for (std::size_t i = 0; i < lines.size(); ++i)
        out += indent + "    " + std::to_string(i + 1) + "| " + Printable(lines[i]) + "\n";
    } else if (form == ValueForm::Bytes) {
      out += HexBytes(f.decoded) + "\n";
    } else {
      out += "\"" + Printable(f.decoded) + "\"\n";
    }
  }

  int page_ = 0;
};

void PrintLines(std::string& out, const char* name, const LineList& lines) {
  out += std::string(name) + ":" + (lines.empty() ? " (empty)\n" : "\n");
  for (std::size_t i = 0; i < lines.size(); ++i)
    out += "    " + std::to_string(i + 1) + "| " + Printable(lines[i]) + "\n";
}

std::string ProjectText(const Project& p, int key) {
  std::string o = "project key: " + std::to_string(key) + "\n";
  o += "title: \"" + Printable(p.title) + "\"\n";
  o += "hint pause: " + std::to_string(p.hintPause) + " ms, hide pause: " + std::to_string(p.hintHidePause) +
       " ms, colour " + ColorToHex(p.hintColor) + ", text colour " + ColorToHex(p.hintFontColor) + "\n";
  const auto yes = [](bool b) { return b ? "yes" : "no"; };
  o += std::string("cursor shadow off: ") + yes(p.noCursorShadow) + ", screen saver off: " + yes(p.noScreenSaver) +
       ", swap mouse buttons: " + yes(p.swapMouseButtons) + ", menu fade off: " + yes(p.noMenuFade) + "\n";
  o += std::string("ExtractAllEmbedded: ") + yes(p.ExtractAllEmbedded) + ", HintFollowsMouse: " +
       yes(p.HintFollowsMouse) + ", IgnoreMissingFlash: " + yes(p.IgnoreMissingFlash) + "\n";
  o += std::string("ChangeResolution: ") + yes(p.ChangeResolution) + ", ExitOnBadResolution: " +
       yes(p.ExitOnBadResolution) + ", requested mode: \"" + Printable(p.requestedMode) + "\"\n";
  PrintLines(o, "OnErrorScript", p.OnErrorScript);
  PrintLines(o, "OnHintScript", p.OnHintScript);
  PrintLines(o, "OnMinimizeScript", p.OnMinimizeScript);
  PrintLines(o, "OnRestoreScript", p.OnRestoreScript);
  PrintLines(o, "ReservedProjectScript", p.ReservedProjectScript);
  for (std::size_t i = 1; i < p.embeddedFiles.size(); ++i)
    o += "embedded file " + std::to_string(i) + " (DATAE" + std::to_string(i) + "): " +
         Printable(p.embeddedFiles[i]) + "\n";
  for (std::size_t i = 0; i < p.fonts.size(); ++i)
    o += "font " + std::to_string(i + 1) + ": " + Printable(p.fonts[i]) + "\n";
  for (std::size_t i = 0; i < p.cursorFiles.size(); ++i)
    o += "cursor " + std::to_string(i + 1) + " (cursor number " + std::to_string(i + 13) +
         "): " + Printable(p.cursorFiles[i]) + "\n";
  for (std::size_t i = 1; i < p.threadPriorities.size(); ++i)
    o += "thread slot " + std::to_string(i) + ": priority code " + std::to_string(p.threadPriorities[i]) + "\n";
  for (std::size_t i = 1; i < p.functions.size(); ++i) {
    const TFunc& f = p.functions[i];
    o += "function " + std::to_string(i) + " \"" + Printable(f.name) + "\", shortcut \"" +
         Printable(f.shortcut) + "\", slot " + std::to_string(f.slot) + "\n";
    PrintLines(o, "  body", f.body);
  }
  return o;
}

}  // namespace

std::string Printable(std::string_view bytes) {
  std::string safe;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || b == '\\')
      safe += b == '\\' ? "\\\\" : Hex(b);
    else
      safe += c;
  }
  return Cp1256ToUtf8(safe);
}

std::string InspectContainer(std::string_view pdata) {
  ShiftKey key;
  Project project;
  PrintingTarget target;
  ContainerReader reader(key, target);
  try {
    reader.Load(pdata, project);
  } catch (const ConvertError& e) {
    throw ConvertError("Project container, byte " + std::to_string(reader.FieldOffset()) + " (field " +
                       std::to_string(reader.Counter()) + "): expected a number: " + e.what());
  }
  return ProjectText(project, key.Get()) + target.out;
}

std::string InspectExecutable(std::string_view image) {
  std::string out;
  const auto resources = ReadRcDataResources(image);
  out += "resources:\n";
  for (const auto& r : resources) out += "  " + Printable(r.name) + ": " + std::to_string(r.bytes.size()) + " bytes\n";
  const PeImageInfo info = InspectPeImage(image);
  // The trailer, as the runtime reads it: the last four bytes count it.
  if (image.size() >= 4) {
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i)
      count = (count << 8) | static_cast<unsigned char>(image[image.size() - 4 + static_cast<std::size_t>(i)]);
    if (count >= 4 && count <= image.size()) {
      const std::string_view block = image.substr(image.size() - count, count - 4);
      out += "trailer (" + std::to_string(block.size()) + " bytes at byte " +
             std::to_string(image.size() - count) + "): \"" + Printable(block) + "\"";
      if (image.size() - count < info.imageEnd) out += " (overlaps the image, which ends at byte " +
                                                      std::to_string(info.imageEnd) + ")";
      out += "\n";
    } else {
      out += "trailer: none (the last four bytes count " + std::to_string(count) + ")\n";
    }
  }
  const auto pdata = FindRcDataResource(image, "PDATA");
  if (!pdata) throw StreamError("Resource PDATA not found");
  out += "\n" + InspectContainer(*pdata);
  return out;
}

}  // namespace vx::tools
