#include "host/presentation_code_page.h"

#include <array>

#include "host/container_reader.h"
#include "host/object_records/object_record.h"
#include "host/project.h"
#include "script/shift.h"
#include "util/conversions.h"

namespace vx {

namespace {

constexpr int kPageFlagsField = 24;   // byte 1: right to left
constexpr int kFontCharsetField = 43;  // of the kinds with a font

struct FontedKind {
  ObjectKind kind;
  int rightToLeftFlag;  // the header's trailing character
};
constexpr std::array<FontedKind, 3> kFontedKinds = {{
    {ObjectKind::Text, 9},
    {ObjectKind::Edit, 4},
    {ObjectKind::Button, 5},
}};

const FontedKind* Fonted(ObjectKind kind) {
  for (const auto& k : kFontedKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

// Looks and changes nothing: no settings, fonts, pages or objects.
class EvidenceProbe : public ContainerTarget {
 public:
  CodePageEvidence evidence;

  void SaveSystemSettings() override {}
  void ChangeSystemSetting(platform::SystemSetting, bool) override {}
  void InstallFont(const std::string&) override {}
  void PageStart(const std::string&) override {}
  void PageField(const ContainerField& field) override {
    if (field.counter == kPageFlagsField && !field.decoded.empty() && field.decoded[0] != '\0')
      evidence.rightToLeft = true;
  }
  void ObjectHeader(const ObjectHeaderRecord& header) override {
    const FontedKind* kind = Fonted(header.kind.kind);
    if (kind != nullptr && Trailing(header).Flag(kind->rightToLeftFlag)) evidence.rightToLeft = true;
  }
  void ObjectField(const ObjectKindInfo& kind, const ContainerField& field) override {
    if (field.counter != kFontCharsetField || Fonted(kind.kind) == nullptr) return;
    try {
      if (StrToInt(field.decoded) == kArabicCharset) evidence.arabicCharset = true;
    } catch (const std::exception&) {
      // The loading reports it.
    }
  }
  void EndOfContainer() override {}
  void LoadAbandoned() override {}
};

}  // namespace

CodePageEvidence ProbeCodePageEvidence(std::string_view pdata) {
  EvidenceProbe probe;
  ShiftKey key;
  Project project;
  try {
    LoadProjectContainer(pdata, key, project, probe);
  } catch (const std::exception&) {
    // What was read before the fault still counts.
  }
  return probe.evidence;
}

unsigned DecidePresentationCodePage(platform::Platform& platform) {
  CodePageEvidence evidence;
  try {
    evidence = ProbeCodePageEvidence(ReadProjectResource(platform.files));
  } catch (const std::exception&) {
    // No container: nothing to read in any code page.
  }
  const unsigned system = platform.process.SystemCodePage();
  unsigned chosen = ChoosePresentationCodePage(evidence, CodePageSwitchOf(platform.process.CommandLine()), system);
  if (!platform.process.UseTextCodePage(chosen)) {
    chosen = ChoosePresentationCodePage(evidence, std::nullopt, system);
    platform.process.UseTextCodePage(chosen);
  }
  return chosen;
}

}  // namespace vx
