#pragma once
// What the container reader hands on: the side effects of the project fields
// and the page and object records, for the loaders of pages and objects.

#include <cstddef>
#include <string>
#include <string_view>

#include "host/object_kinds.h"
#include "platform/display.h"

namespace vx {

struct Project;

// One field between two markers.
struct ContainerField {
  int counter = 0;          // W, the field's meaning
  std::size_t offset = 0;   // stream position of its first byte
  std::string raw;          // as stored
  std::string decoded;      // every byte minus the project key
};

// The decoded object header split by the kind's layout.
struct ObjectHeaderRecord {
  const ObjectKindInfo& kind;
  std::string name;
  std::string trailing;  // t0, t1, ... decoded (the loader re-encodes a raw one)
  const ContainerField& field;
};

class ContainerTarget {
 public:
  virtual ~ContainerTarget() = default;

  // Reading starts; project is the one being read, whose options and tables
  // are complete by the first page record.
  virtual void BeginProject(const Project& /*project*/) {}
  // Field 5 is read: the display mode the project asks for is known.
  virtual void ResolutionRead() {}

  // Field 2: the settings as they are now are recorded before any change.
  virtual void SaveSystemSettings() = 0;
  virtual void ChangeSystemSetting(platform::SystemSetting setting, bool on) = 0;
  // A "FONT" record is installed as soon as it is read.
  virtual void InstallFont(const std::string& path) = 0;

  virtual void PageStart(const std::string& name) = 0;
  virtual void PageField(const ContainerField& field) = 0;
  virtual void ObjectHeader(const ObjectHeaderRecord& header) = 0;
  virtual void ObjectField(const ObjectKindInfo& kind, const ContainerField& field) = 0;
  // The stream is exhausted: the last page's z-order and the placement.
  virtual void EndOfContainer() = 0;

  // Loading failed after side effects may have happened: settings changed
  // and fonts installed must be put back, since the process ends without
  // the usual clean-up. Must not throw.
  virtual void LoadAbandoned() = 0;

  // A field that nothing takes; only inspectors care.
  virtual void IgnoredField(const ContainerField& /*field*/, std::string_view /*why*/) {}
};

}  // namespace vx
