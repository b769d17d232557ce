#pragma once
// Writes the project container and its companion resources from a model,
// byte for byte as the runtime reads them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/project_model.h"
#include "util/pe_resources.h"

namespace vx::tools {

inline constexpr std::string_view kFieldMarker{"\0\1\0\1\0\1\0\1\0\1", 10};
inline constexpr std::int8_t kDefaultProjectKey = 7;

// Fields one after the other, each closed by a marker. Field takes the text
// the runtime will decode and scrambles it; RawField stores bytes as they are.
class ContainerBuilder {
 public:
  explicit ContainerBuilder(std::int8_t key) : key_(key) {}

  ContainerBuilder& Field(std::string_view decoded);
  ContainerBuilder& RawField(std::string_view raw);
  // A record switch: the tag, the byte 0x05, the payload.
  ContainerBuilder& Record(std::string_view tag, std::string_view payload);

  std::string Encode(std::string_view decoded) const;
  std::int8_t Key() const { return key_; }
  // Throws vx::Error when a field's bytes would read as a marker, or leave a
  // lone zero at byte 7.
  std::string Finish() const;

 private:
  std::int8_t key_;
  std::string bytes_;
  std::vector<std::size_t> markers_;
};

// A script as stored: every line followed by the byte 0x01.
std::string StoredScript(std::string_view text);

// The resource "PDATA".
std::string WriteContainer(const ProjectModel& project, std::int8_t key = kDefaultProjectKey);

// "PDATA" first, then "BDATAG" n for every page with a background, "IDATA" n
// for every picture in load order, "DATAE" n for every embedded file.
std::vector<PeResource> WriteResources(const ProjectModel& project,
                                       std::int8_t key = kDefaultProjectKey);

// The settings trailer: "1" CR LF shows the loading splash, "0" CR LF not;
// then the 32-bit little-endian count of block plus 4.
std::string TrailerBytes(bool showSplash);

}  // namespace vx::tools
