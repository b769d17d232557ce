#pragma once
// A container target that only writes down what it receives: the stand-in
// for the page and object loaders, and the eyes of the reader's tests.

#include <string>
#include <vector>

#include "host/container_target.h"

namespace vx {

class RecordingLoader : public ContainerTarget {
 public:
  enum class What {
    SaveSystemSettings,
    ChangeSystemSetting,
    InstallFont,
    PageStart,
    PageField,
    ObjectHeader,
    ObjectField,
    EndOfContainer,
    LoadAbandoned,
    Ignored,
  };

  struct Event {
    What what = What::Ignored;
    int counter = 0;
    std::size_t offset = 0;
    std::string raw;
    std::string decoded;  // a page or font name, the header's object name
    std::string trailing;
    const ObjectKindInfo* kind = nullptr;
    platform::SystemSetting setting = platform::SystemSetting::CursorShadow;
    bool on = false;
  };

  void SaveSystemSettings() override;
  void ChangeSystemSetting(platform::SystemSetting setting, bool on) override;
  void InstallFont(const std::string& path) override;
  void PageStart(const std::string& name) override;
  void PageField(const ContainerField& field) override;
  void ObjectHeader(const ObjectHeaderRecord& header) override;
  void ObjectField(const ObjectKindInfo& kind, const ContainerField& field) override;
  void EndOfContainer() override;
  void LoadAbandoned() override;
  void IgnoredField(const ContainerField& field, std::string_view why) override;

  const std::vector<Event>& Events() const { return events_; }
  // The events of one kind, in order.
  std::vector<Event> Of(What what) const;

 private:
  void Record(What what, const ContainerField& field);
  std::vector<Event> events_;
};

}  // namespace vx
