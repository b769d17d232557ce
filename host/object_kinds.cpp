#include "host/object_kinds.h"

#include <array>

namespace vx {

namespace {

constexpr std::array<ObjectKindInfo, 11> kKinds = {{
    {ObjectKind::Text, {0x00, 0x01}, "TVXText", 24, 49},
    {ObjectKind::Edit, {0x00, 0x02}, "TVXEdit", 37, 52},
    {ObjectKind::Button, {0x00, 0x03}, "TVXButton", 13, 50},
    {ObjectKind::Picture, {0x00, 0x04}, "TVXImage", 11, 46},
    {ObjectKind::Shape, {0x00, 0x05}, "TVXShape", 13, 45},
    {ObjectKind::Sound, {0x01, 0x03}, "TVXSound", 6, 42},
    {ObjectKind::Video, {0x01, 0x04}, "TVXVideo", 7, 45},
    {ObjectKind::Flash, {0x01, 0x05}, "TVXFlash", 9, 45},
    {ObjectKind::Browser, {0x01, 0x06}, "TVXBrowser", 8, 50},
    {ObjectKind::Timer, {0x01, 0x07}, "TVXTimer", 1, 38},
    {ObjectKind::Plugin, {0x01, 0x08}, "TVXMPlugin", 1, 40},
}};

}  // namespace

std::span<const ObjectKindInfo> ObjectKinds() { return kKinds; }

const ObjectKindInfo& KindInfo(ObjectKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

const ObjectKindInfo* FindObjectKind(unsigned char first, unsigned char second) {
  for (const auto& row : kKinds)
    if (row.code[0] == first && row.code[1] == second) return &row;
  return nullptr;
}

}  // namespace vx
