#include "host/recording_loader.h"

namespace vx {

namespace {
RecordingLoader::Event Made(RecordingLoader::What what) {
  RecordingLoader::Event e;
  e.what = what;
  return e;
}
}  // namespace

void RecordingLoader::Record(What what, const ContainerField& field) {
  Event e = Made(what);
  e.counter = field.counter;
  e.offset = field.offset;
  e.raw = field.raw;
  e.decoded = field.decoded;
  events_.push_back(std::move(e));
}

void RecordingLoader::SaveSystemSettings() { events_.push_back(Made(What::SaveSystemSettings)); }

void RecordingLoader::ChangeSystemSetting(platform::SystemSetting setting, bool on) {
  Event e = Made(What::ChangeSystemSetting);
  e.setting = setting;
  e.on = on;
  events_.push_back(std::move(e));
}

void RecordingLoader::InstallFont(const std::string& path) {
  Event e = Made(What::InstallFont);
  e.decoded = path;
  events_.push_back(std::move(e));
}

void RecordingLoader::PageStart(const std::string& name) {
  Event e = Made(What::PageStart);
  e.decoded = name;
  events_.push_back(std::move(e));
}

void RecordingLoader::PageField(const ContainerField& field) { Record(What::PageField, field); }

void RecordingLoader::ObjectHeader(const ObjectHeaderRecord& header) {
  Record(What::ObjectHeader, header.field);
  events_.back().decoded = header.name;
  events_.back().trailing = header.trailing;
  events_.back().kind = &header.kind;
}

void RecordingLoader::ObjectField(const ObjectKindInfo& kind, const ContainerField& field) {
  Record(What::ObjectField, field);
  events_.back().kind = &kind;
}

void RecordingLoader::EndOfContainer() { events_.push_back(Made(What::EndOfContainer)); }
void RecordingLoader::LoadAbandoned() { events_.push_back(Made(What::LoadAbandoned)); }

void RecordingLoader::IgnoredField(const ContainerField& field, std::string_view) {
  Record(What::Ignored, field);
}

std::vector<RecordingLoader::Event> RecordingLoader::Of(What what) const {
  std::vector<Event> out;
  for (const auto& e : events_)
    if (e.what == what) out.push_back(e);
  return out;
}

}  // namespace vx
