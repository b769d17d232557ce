#include "host/container_reader.h"

#include <array>
#include <exception>

#include "script/text_primitives.h"
#include "util/conversions.h"
#include "util/error.h"

namespace vx {

namespace {

// Even places hold 0x00, odd places a byte whose decimal text begins with
// "1": 1, 10-19, 100-199.
bool IsMarkerByte(std::size_t i, unsigned char b) {
  if (i % 2 == 0) return b == 0;
  return b == 1 || (b >= 10 && b <= 19) || (b >= 100 && b <= 199);
}

// A marker that would run past the last byte is no marker.
bool MarkerAt(std::string_view data, std::size_t p) {
  if (data.size() - p < kMarkerLength) return false;
  for (std::size_t i = 0; i < kMarkerLength; ++i)
    if (!IsMarkerByte(i, static_cast<unsigned char>(data[p + i]))) return false;
  return true;
}

// The zero byte at this position must begin a marker.
constexpr std::size_t kCheckedZeroPosition = 7;

// The system options field, 1-based positions.
struct SettingOption {
  int position;
  platform::SystemSetting setting;
  bool valueWhenSet;
  bool Project::*flag;
};
constexpr std::array<SettingOption, 4> kSettingOptions = {{
    {2, platform::SystemSetting::CursorShadow, false, &Project::noCursorShadow},
    {3, platform::SystemSetting::ScreenSaver, false, &Project::noScreenSaver},
    {4, platform::SystemSetting::SwapMouseButtons, true, &Project::swapMouseButtons},
    {5, platform::SystemSetting::MenuFade, false, &Project::noMenuFade},
}};
constexpr int kExtractAllPosition = 6;
constexpr int kHintFollowsPosition = 7;
constexpr int kHintColorPosition = 8;
constexpr int kHintFontColorPosition = 11;
constexpr int kIgnoreFlashPosition = 14;
constexpr int kHintHidePausePosition = 15;

constexpr std::array<LineList Project::*, 5> kProjectScripts = {
    &Project::OnErrorScript, &Project::OnHintScript, &Project::OnMinimizeScript,
    &Project::OnRestoreScript, &Project::ReservedProjectScript};
constexpr int kFirstScriptField = 6;

std::string_view From(std::string_view text, std::size_t position) {
  return position - 1 < text.size() ? text.substr(position - 1) : std::string_view();
}

}  // namespace

struct ContainerReader::FieldHandler {
  void (ContainerReader::*handle)(const ContainerField&);
};

const ContainerReader::FieldHandler ContainerReader::kProjectFields[] = {
    {&ContainerReader::Header},        {&ContainerReader::Title},
    {&ContainerReader::SystemOptions}, {&ContainerReader::HintDelay},
    {&ContainerReader::DisplayOptions}, {&ContainerReader::Resolution},
    {&ContainerReader::Script},        {&ContainerReader::Script},
    {&ContainerReader::Script},        {&ContainerReader::Script},
    {&ContainerReader::Script},        {&ContainerReader::RecordSwitch},
};

struct ContainerReader::RecordHandler {
  std::string_view tag;
  void (ContainerReader::*handle)(const std::string& payload, const ContainerField&);
  bool repeats;  // the record switch comes again
};

const ContainerReader::RecordHandler ContainerReader::kRecords[] = {
    {"FORM", &ContainerReader::PageRecord, false},
    {"EMBD", &ContainerReader::EmbeddedRecord, true},
    {"FONT", &ContainerReader::FontRecord, true},
    {"CURS", &ContainerReader::CursorRecord, true},
    {"THRD", &ContainerReader::ThreadRecord, true},
    {"FUNC", &ContainerReader::FunctionRecord, true},
};

void ThrowContainerError(std::size_t offset, const std::string& what) {
  throw StreamError("Project container, byte " + std::to_string(offset) + ": " + what);
}

std::string StoredScriptText(std::string_view decoded) {
  std::string text(decoded);
  for (char& c : text)
    if (c == '\x01') c = '\r';
  return text;
}

LineList StoredScriptLines(std::string_view decoded) { return SplitLines(StoredScriptText(decoded)); }

ContainerReader::ContainerReader(ShiftKey& key, ContainerTarget& target) : key_(key), target_(target) {}

std::string ContainerReader::Decode(std::string_view raw) const { return ShiftDecode(raw, key_.Get()); }

void ContainerReader::Load(std::string_view pdata, Project& project) {
  Project loaded;
  project_ = &loaded;
  target_.BeginProject(loaded);
  w_ = -1;
  fieldStart_ = 0;
  kind_ = nullptr;
  try {
    FindKey(pdata);
    Frame(pdata);
    target_.EndOfContainer();
  } catch (const std::exception&) {
    project_ = nullptr;
    target_.LoadAbandoned();
    throw;
  }
  project = std::move(loaded);
  project_ = nullptr;
}

void ContainerReader::FindKey(std::string_view pdata) {
  // The first key that decodes the magic wins; the bytes are compared one by
  // one, as far as the stream has them.
  for (int k = 1; k < 100; ++k) {
    key_.Set(static_cast<std::int8_t>(k));
    if (pdata.size() >= kContainerMagic.size() &&
        Decode(pdata.substr(0, kContainerMagic.size())) == kContainerMagic)
      return;
  }
  key_.Set(100);
  ThrowContainerError(0, "no key from 1 to 99 decodes the magic \"VXC\"");
}

void ContainerReader::Frame(std::string_view pdata) {
  ContainerField field;
  field.offset = 0;
  for (std::size_t p = 0; p < pdata.size(); ++p) {
    const char b = pdata[p];
    if (b == '\0') {
      if (MarkerAt(pdata, p)) {
        ++w_;
        field.counter = w_;
        fieldStart_ = field.offset;
        Handle(field);
        p += kMarkerLength - 1;
        field = ContainerField();
        field.offset = p + 1;
        continue;
      }
      if (p == kCheckedZeroPosition)
        ThrowContainerError(p, "a zero byte that does not begin a field marker");
    }
    field.raw += b;
  }
  // Bytes after the last marker are no field.
  fieldStart_ = pdata.size();
}

void ContainerReader::Handle(ContainerField& field) {
  field.decoded = Decode(field.raw);
  if (w_ >= 0 && w_ <= kRecordSwitchField) {
    (this->*kProjectFields[w_].handle)(field);
  } else if (w_ <= kLastPageField) {
    target_.PageField(field);
  } else if (w_ == kObjectHeaderField) {
    ObjectHeaderField(field);
  } else {
    HandleObjectField(field);
  }
}

void ContainerReader::Header(const ContainerField& f) {
  if (f.decoded.substr(0, kContainerMagic.size()) != kContainerMagic)
    ThrowContainerError(f.offset, "the header field does not begin with \"VXC\"");
}

void ContainerReader::Title(const ContainerField& f) { project_->title = f.decoded; }

void ContainerReader::SystemOptions(const ContainerField& f) {
  const std::string& t = f.raw;
  target_.SaveSystemSettings();
  for (const auto& option : kSettingOptions) {
    const bool set = HasCharAt(t, option.position);
    project_->*option.flag = set;
    if (set) target_.ChangeSystemSetting(option.setting, option.valueWhenSet);
  }
  project_->ExtractAllEmbedded = HasCharAt(t, kExtractAllPosition);
  project_->HintFollowsMouse = HasCharAt(t, kHintFollowsPosition);
  project_->hintColor = BytesToColor(From(t, kHintColorPosition).substr(0, 3));
  project_->hintFontColor = BytesToColor(From(t, kHintFontColorPosition).substr(0, 3));
  project_->IgnoreMissingFlash = HasCharAt(t, kIgnoreFlashPosition);
  project_->hintHidePause = StrToInt(From(f.decoded, kHintHidePausePosition));
}

void ContainerReader::HintDelay(const ContainerField& f) { project_->hintPause = StrToInt(f.decoded); }

void ContainerReader::DisplayOptions(const ContainerField& f) {
  project_->ChangeResolution = HasCharAt(f.raw, 1);
  project_->ExitOnBadResolution = HasCharAt(f.raw, 2);
}

void ContainerReader::Resolution(const ContainerField& f) {
  project_->requestedMode = f.decoded;
  target_.ResolutionRead();
}

void ContainerReader::Script(const ContainerField& f) {
  project_->*kProjectScripts[static_cast<std::size_t>(w_ - kFirstScriptField)] =
      StoredScriptLines(f.decoded);
}

void ContainerReader::RecordSwitch(const ContainerField& f) {
  kind_ = nullptr;
  if (f.raw.size() < 5 || f.raw[4] != kRecordTagEnd) {
    target_.IgnoredField(f, "record switch without the byte 0x05 after its tag");
    return;
  }
  const std::string_view tag = std::string_view(f.decoded).substr(0, 4);
  for (const auto& record : kRecords) {
    if (record.tag != tag) continue;
    (this->*record.handle)(f.decoded.substr(5), f);
    if (record.repeats) w_ = kRecordSwitchField - 1;
    return;
  }
  target_.IgnoredField(f, "unknown record tag");
}

void ContainerReader::PageRecord(const std::string& payload, const ContainerField&) {
  target_.PageStart(payload);
}

void ContainerReader::EmbeddedRecord(const std::string& payload, const ContainerField&) {
  project_->embeddedFiles.push_back(payload);
}

void ContainerReader::FontRecord(const std::string& payload, const ContainerField&) {
  project_->fonts.push_back(payload);
  target_.InstallFont(payload);
}

void ContainerReader::CursorRecord(const std::string& payload, const ContainerField&) {
  project_->cursorFiles.push_back(payload);
}

void ContainerReader::ThreadRecord(const std::string& payload, const ContainerField&) {
  std::vector<int> codes{0};
  for (char digit : payload) codes.push_back(6 - StrToInt(std::string_view(&digit, 1)));
  project_->threadPriorities = std::move(codes);
}

void ContainerReader::FunctionRecord(const std::string& payload, const ContainerField& f) {
  const auto dash = payload.find('-');
  const auto colon1 = dash == std::string::npos ? dash : payload.find(':', dash + 1);
  const auto colon2 = colon1 == std::string::npos ? colon1 : payload.find(':', colon1 + 1);
  if (colon2 == std::string::npos)
    ThrowContainerError(f.offset, "a function record needs the form name-shortcut:slot:body");
  TFunc func;
  func.name = payload.substr(0, dash);
  func.shortcut = payload.substr(dash + 1, colon1 - dash - 1);
  func.slot = StrToInt(std::string_view(payload).substr(colon1 + 1, colon2 - colon1 - 1));
  func.body = StoredScriptLines(std::string_view(payload).substr(colon2 + 1));
  project_->functions.push_back(std::move(func));
}

void ContainerReader::ObjectHeaderField(ContainerField& f) {
  // A page without objects is followed directly by the next page.
  if (f.raw.size() >= 5 && f.raw[4] == kRecordTagEnd && f.decoded.substr(0, 4) == "FORM") {
    w_ = kRecordSwitchField;
    f.counter = w_;
    RecordSwitch(f);
    return;
  }
  kind_ = nullptr;
  if (f.decoded.size() < 2) {
    target_.IgnoredField(f, "object header without a type code");
    return;
  }
  const ObjectKindInfo* kind = FindObjectKind(static_cast<unsigned char>(f.decoded[0]),
                                              static_cast<unsigned char>(f.decoded[1]));
  if (kind == nullptr) {
    target_.IgnoredField(f, "object header with a type code that is no object");
    return;
  }
  const std::size_t trailing = static_cast<std::size_t>(kind->trailingCount);
  if (f.decoded.size() < 2 + trailing)
    ThrowContainerError(f.offset, "the " + std::string(kind->className) + " header needs " +
                                      std::to_string(2 + trailing) + " characters, it has " +
                                      std::to_string(f.decoded.size()));
  const std::size_t nameLength = f.decoded.size() - 2 - trailing;
  kind_ = kind;
  target_.ObjectHeader(
      ObjectHeaderRecord{*kind, f.decoded.substr(2, nameLength), f.decoded.substr(2 + nameLength), f});
}

void ContainerReader::HandleObjectField(ContainerField& f) {
  if (kind_ != nullptr && w_ <= kind_->lastField) {
    target_.ObjectField(*kind_, f);
    return;
  }
  Classify(f);
}

void ContainerReader::Classify(ContainerField& f) {
  const std::string_view tag = std::string_view(f.decoded).substr(0, 4);
  if (tag == "FORM" || tag == "EMBD") {
    w_ = kRecordSwitchField;
    f.counter = w_;
    RecordSwitch(f);
  } else if (!f.decoded.empty() && static_cast<unsigned char>(f.decoded[0]) <= 0x09) {
    w_ = kObjectHeaderField;
    f.counter = w_;
    ObjectHeaderField(f);
  } else {
    kind_ = nullptr;
    target_.IgnoredField(f, "a field after the last field of its object");
  }
}

void LoadProjectContainer(std::string_view pdata, ShiftKey& key, Project& project,
                          ContainerTarget& target) {
  ContainerReader reader(key, target);
  reader.Load(pdata, project);
}

std::string ReadProjectResource(platform::Files& files) {
  auto pdata = files.ReadOwnResource("PDATA");
  if (!pdata) throw StreamError("Resource PDATA not found");
  return *pdata;
}

}  // namespace vx
