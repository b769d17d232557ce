#include "tools/common/inspector_fields.h"

#include <array>
#include <vector>

namespace vx::tools {

namespace {

using F = ValueForm;

constexpr std::array<FieldName, 23> kPageFields = {{
    {"caption", F::Text},          {"width", F::Text},           {"height", F::Text},
    {"alpha", F::Text},            {"lightness", F::Text},       {"blur", F::Text},
    {"contrast", F::Text},         {"saturation", F::Text},      {"sharpen", F::Text},
    {"sponge", F::Text},           {"cursor", F::Text},          {"background", F::Text},
    {"page flags", F::Bytes},      {"transition options", F::Bytes}, {"transition style", F::Text},
    {"transition sub-style", F::Text}, {"transition size 1", F::Text}, {"transition size 2", F::Text},
    {"transition mask", F::Text},  {"PageShowScript", F::Script}, {"PageHideScript", F::Script},
    {"PageResizeScript", F::Script}, {"PageWheelScript", F::Script},
}};

constexpr FieldName kMouse[] = {
    {"evntMDown", F::Script}, {"evntMUp", F::Script}, {"evntMEnter", F::Script}, {"evntMLeave", F::Script}};

const std::vector<FieldName> kText = {
    {"left+1 and enabled digit", F::Text}, {"top+1", F::Text}, {"width", F::Text}, {"height", F::Text},
    {"hint", F::Text}, {"caption", F::Text}, {"font name", F::Text}, {"font charset", F::Text},
    {"font size", F::Text}, {"cursor", F::Text}, kMouse[0], kMouse[1], kMouse[2], kMouse[3]};
const std::vector<FieldName> kEdit = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text}, {"hint", F::Text},
    {"text", F::Text}, {"font name", F::Text}, {"font charset", F::Text}, {"font size", F::Text},
    {"maximum length", F::Text}, {"tab order", F::Text}, {"cursor", F::Text}, {"evntCH", F::Script},
    kMouse[0], kMouse[1], kMouse[2], kMouse[3]};
const std::vector<FieldName> kButton = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text}, {"hint", F::Text},
    {"caption", F::Text}, {"font name", F::Text}, {"font charset", F::Text}, {"font size", F::Text},
    {"tab order", F::Text}, {"cursor", F::Text}, kMouse[0], kMouse[1], kMouse[2], kMouse[3]};
const std::vector<FieldName> kPicture = {
    {"file (its extension)", F::Text}, {"left", F::Text}, {"top", F::Text}, {"width", F::Text},
    {"height", F::Text}, {"hint", F::Text}, {"cursor", F::Text}, kMouse[0], kMouse[1], kMouse[2], kMouse[3]};
const std::vector<FieldName> kShape = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text},
    {"hint and points", F::Text}, {"cursor", F::Text}, kMouse[0], kMouse[1], kMouse[2], kMouse[3]};
const std::vector<FieldName> kSound = {
    {"(ignored)", F::Text}, {"(ignored)", F::Text}, {"DelayBetweenLoops", F::Text},
    {"NumberOfLoops", F::Text}, {"FileName", F::Text}, {"evntStart", F::Script}, {"evntFinish", F::Script}};
const std::vector<FieldName> kVideo = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text},
    {"DelayBetweenLoops", F::Text}, {"Speed", F::Text}, {"Path", F::Text}, {"still picture", F::Text},
    {"evntStart", F::Script}, {"evntFinish", F::Script}};
const std::vector<FieldName> kFlash = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text}, {"movie", F::Text},
    {"cursor", F::Text}, {"start frame", F::Text}, {"hint", F::Text}, {"evntFS", F::Script},
    {"evntFC", F::Script}};
const std::vector<FieldName> kBrowser = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text}, {"tab order", F::Text},
    {"cursor", F::Text}, {"DefPath", F::Text}, {"hint", F::Text}, {"evntBN", F::Script},
    {"evntAN", F::Script}, {"evntNW", F::Script}, {"evntPC", F::Script}, {"evntSC", F::Script},
    {"evntTC", F::Script}, {"evntAC", F::Script}};
const std::vector<FieldName> kTimer = {
    {"interval", F::Text}, {"NumberOfLoops", F::Text}, {"evntTimer", F::Script}};
const std::vector<FieldName> kPlugin = {
    {"left", F::Text}, {"top", F::Text}, {"width", F::Text}, {"height", F::Text}, {"Path", F::Text}};

const std::vector<TrailingName> kTextT = {
    {"visible", F::Flag, 1}, {"word wrap", F::Flag, 1}, {"bold", F::Flag, 1}, {"italic", F::Flag, 1},
    {"underline", F::Flag, 1}, {"strike-out", F::Flag, 1}, {"font colour", F::Color, 3},
    {"right-to-left", F::Flag, 1}, {"transparent", F::Flag, 1}, {"layout", F::Chars, 1},
    {"auto size", F::Flag, 1}, {"alignment", F::Chars, 1}, {"ColorEvents", F::Flag, 1},
    {"background", F::Color, 3}, {"ColorHover", F::Color, 3}, {"ColorClick", F::Color, 3}};
const std::vector<TrailingName> kEditT = {
    {"visible", F::Flag, 1}, {"tab stop", F::Flag, 1}, {"read-only", F::Flag, 1},
    {"auto-select", F::Flag, 1}, {"right-to-left", F::Flag, 1}, {"enabled", F::Flag, 1},
    {"ColorEvents", F::Flag, 1}, {"auto size", F::Flag, 1}, {"3-D look", F::Flag, 1}, {"bold", F::Flag, 1},
    {"italic", F::Flag, 1}, {"underline", F::Flag, 1}, {"strike-out", F::Flag, 1},
    {"password character (raw)", F::Bytes, 1}, {"character case", F::Digit, 1},
    {"inner bevel", F::Digit, 1}, {"outer bevel", F::Digit, 1}, {"bevel kind", F::Digit, 1},
    {"border", F::Digit, 1}, {"font colour", F::Color, 3}, {"background", F::Color, 3},
    {"ColorHover", F::Color, 3}, {"ColorHoverF", F::Color, 3}, {"ColorEnter", F::Color, 3},
    {"ColorEnterF", F::Color, 3}};
const std::vector<TrailingName> kButtonT = {
    {"visible", F::Flag, 1}, {"tab stop", F::Flag, 1}, {"default", F::Flag, 1}, {"enabled", F::Flag, 1},
    {"focus rectangle", F::Flag, 1}, {"right-to-left", F::Flag, 1}, {"bold", F::Flag, 1},
    {"italic", F::Flag, 1}, {"underline", F::Flag, 1}, {"strike-out", F::Flag, 1},
    {"font colour", F::Color, 3}};
const std::vector<TrailingName> kPictureT = {
    {"visible", F::Flag, 1}, {"transparent bitmap", F::Flag, 1}, {"enabled", F::Flag, 1},
    {"proportional", F::Flag, 1}, {"stretch", F::Flag, 1}, {"centre", F::Flag, 1},
    {"auto size", F::Flag, 1}, {"animate GIF", F::Flag, 1}, {"transparent colour", F::Color, 3}};
const std::vector<TrailingName> kShapeT = {
    {"visible", F::Flag, 1}, {"enabled", F::Flag, 1}, {"brush style", F::Code, 1},
    {"pen style", F::Code, 1}, {"variant", F::Flag, 1}, {"inverting pen", F::Flag, 1},
    {"brush colour", F::Color, 3}, {"pen colour", F::Color, 3}, {"form", F::Code, 1}};
const std::vector<TrailingName> kSoundT = {
    {"Loop", F::Flag, 1}, {"PlayWithPageStart", F::Flag, 1}, {"volume", F::Chars, 4}};
const std::vector<TrailingName> kVideoT = {
    {"visible", F::Flag, 1}, {"Loop", F::Flag, 1}, {"PlayWithPageStart", F::Flag, 1},
    {"volume", F::Chars, 4}};
const std::vector<TrailingName> kFlashT = {
    {"visible", F::Flag, 1}, {"playing", F::Flag, 1}, {"loop", F::Flag, 1}, {"menu", F::Flag, 1},
    {"quality", F::Code, 1}, {"scale mode", F::Code, 1}, {"background", F::Color, 3}};
const std::vector<TrailingName> kBrowserT = {
    {"visible", F::Flag, 1}, {"tab stop", F::Flag, 1}, {"accepts dropped files", F::Flag, 1},
    {"context menu", F::Flag, 1}, {"offline", F::Flag, 1}, {"text selection", F::Flag, 1},
    {"3-D borders", F::Flag, 1}, {"scroll bars", F::Flag, 1}};
const std::vector<TrailingName> kTimerT = {{"enabled", F::Flag, 1}};
const std::vector<TrailingName> kPluginT = {{"visible", F::Flag, 1}};

struct KindNames {
  std::string_view name;
  const std::vector<FieldName>* fields;
  const std::vector<TrailingName>* trailing;
};

// In the order of ObjectKind.
const std::array<KindNames, 11> kKinds = {{
    {"text", &kText, &kTextT},
    {"edit box", &kEdit, &kEditT},
    {"button", &kButton, &kButtonT},
    {"picture", &kPicture, &kPictureT},
    {"shape", &kShape, &kShapeT},
    {"sound", &kSound, &kSoundT},
    {"video", &kVideo, &kVideoT},
    {"Flash movie", &kFlash, &kFlashT},
    {"web browser", &kBrowser, &kBrowserT},
    {"timer", &kTimer, &kTimerT},
    {"media plug-in", &kPlugin, &kPluginT},
}};

}  // namespace

const FieldName* PageFieldName(int counter) {
  if (counter < 12 || counter > 34) return nullptr;
  return &kPageFields[static_cast<std::size_t>(counter - 12)];
}

const FieldName* ObjectFieldName(ObjectKind kind, int counter) {
  const auto& fields = *kKinds[static_cast<std::size_t>(kind)].fields;
  if (counter < 36 || static_cast<std::size_t>(counter - 36) >= fields.size()) return nullptr;
  return &fields[static_cast<std::size_t>(counter - 36)];
}

std::span<const TrailingName> TrailingNames(ObjectKind kind) {
  return *kKinds[static_cast<std::size_t>(kind)].trailing;
}

std::string_view KindName(ObjectKind kind) { return kKinds[static_cast<std::size_t>(kind)].name; }

}  // namespace vx::tools
