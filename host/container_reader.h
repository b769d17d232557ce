#pragma once
// The project container reader: the resource "PDATA", scrambled with a key
// that the reader finds, framed into fields by ten-byte markers. The field
// counter W gives each field its meaning; project fields land in a Project,
// everything with a side effect goes to the target.

#include <cstddef>
#include <string>
#include <string_view>

#include "host/container_target.h"
#include "host/project.h"
#include "platform/files.h"
#include "script/shift.h"

namespace vx {

inline constexpr std::string_view kContainerMagic = "VXC";
inline constexpr std::size_t kMarkerLength = 10;
// The byte after a record tag.
inline constexpr char kRecordTagEnd = 0x05;
inline constexpr int kRecordSwitchField = 11;
inline constexpr int kFirstPageField = 12;
inline constexpr int kLastPageField = 34;

class ContainerReader {
 public:
  ContainerReader(ShiftKey& key, ContainerTarget& target);

  // Reads the whole container. On success the project is replaced; on any
  // error it is left as it was and the target hears LoadAbandoned.
  void Load(std::string_view pdata, Project& project);

  // Where reading stopped, for messages that name the byte.
  std::size_t FieldOffset() const { return fieldStart_; }
  int Counter() const { return w_; }

 private:
  void FindKey(std::string_view pdata);
  void Frame(std::string_view pdata);
  void Handle(ContainerField& field);
  void HandleObjectField(ContainerField& field);
  void Classify(ContainerField& field);

  void Header(const ContainerField& f);
  void Title(const ContainerField& f);
  void SystemOptions(const ContainerField& f);
  void HintDelay(const ContainerField& f);
  void DisplayOptions(const ContainerField& f);
  void Resolution(const ContainerField& f);
  void Script(const ContainerField& f);
  void RecordSwitch(const ContainerField& f);
  void ObjectHeaderField(ContainerField& f);

  void PageRecord(const std::string& payload, const ContainerField& f);
  void EmbeddedRecord(const std::string& payload, const ContainerField& f);
  void FontRecord(const std::string& payload, const ContainerField& f);
  void CursorRecord(const std::string& payload, const ContainerField& f);
  void ThreadRecord(const std::string& payload, const ContainerField& f);
  void FunctionRecord(const std::string& payload, const ContainerField& f);

  std::string Decode(std::string_view raw) const;

  ShiftKey& key_;
  ContainerTarget& target_;
  Project* project_ = nullptr;
  int w_ = -1;
  std::size_t fieldStart_ = 0;
  const ObjectKindInfo* kind_ = nullptr;

  struct FieldHandler;
  struct RecordHandler;
  static const FieldHandler kProjectFields[];
  static const RecordHandler kRecords[];
};

// The reader with a fresh project.
void LoadProjectContainer(std::string_view pdata, ShiftKey& key, Project& project,
                          ContainerTarget& target);

// The resource "PDATA" of the own executable; a stream error when missing.
std::string ReadProjectResource(platform::Files& files);

// A stored script: byte 0x01 is the line break.
std::string StoredScriptText(std::string_view decoded);
LineList StoredScriptLines(std::string_view decoded);

// The stream error of a container, naming where it went wrong.
[[noreturn]] void ThrowContainerError(std::size_t offset, const std::string& what);

}  // namespace vx
