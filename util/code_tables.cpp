#include "util/code_tables.h"

#include <array>
#include <utility>

namespace vx {

using namespace platform;

namespace {

// Row i holds the setting of code first + i.
template <typename T, std::size_t N>
struct CodeTable {
  int first;
  std::array<T, N> rows;
  T Find(int code, T callerDefault) const {
    if (code < first || code - first >= static_cast<int>(N)) return callerDefault;
    return rows[static_cast<std::size_t>(code - first)];
  }
};

template <typename T, std::size_t N>
T FindText(const std::array<std::pair<std::string_view, T>, N>& table, std::string_view code,
           T otherwise) {
  for (const auto& [text, value] : table)
    if (text == code) return value;
  return otherwise;
}

constexpr std::array<std::pair<std::string_view, TextLayout>, 3> kLayouts{{
    {"1", TextLayout::Top},
    {"2", TextLayout::Center},
    {"3", TextLayout::Bottom},
}};

constexpr std::array<std::pair<std::string_view, TextAlignment>, 3> kAlignments{{
    {"1", TextAlignment::Left},
    {"2", TextAlignment::Center},
    {"3", TextAlignment::Right},
}};

constexpr CodeTable<CharCase, 3> kCharCases{0, {CharCase::Normal, CharCase::Upper, CharCase::Lower}};

constexpr CodeTable<BevelCut, 4> kBevelCuts{
    0, {BevelCut::Raised, BevelCut::Lowered, BevelCut::Space, BevelCut::None}};

constexpr CodeTable<BevelKind, 4> kBevelKinds{
    0, {BevelKind::Flat, BevelKind::Soft, BevelKind::Tile, BevelKind::None}};

constexpr CodeTable<EditBorderStyle, 2> kBorderStyles{
    0, {EditBorderStyle::Single, EditBorderStyle::None}};

constexpr CodeTable<BrushStyle, 8> kBrushStyles{
    0,
    {BrushStyle::Clear, BrushStyle::Solid, BrushStyle::Horizontal, BrushStyle::Vertical,
     BrushStyle::Cross, BrushStyle::DiagonalCross, BrushStyle::ForwardDiagonal,
     BrushStyle::BackwardDiagonal}};

constexpr CodeTable<PenStyle, 6> kPenStyles{
    0,
    {PenStyle::Clear, PenStyle::Solid, PenStyle::Dot, PenStyle::Dash, PenStyle::DashDot,
     PenStyle::DashDotDot}};

constexpr CodeTable<ThreadPriority, 7> kThreadPriorities{
    1,
    {ThreadPriority::Idle, ThreadPriority::Lowest, ThreadPriority::Lower, ThreadPriority::Normal,
     ThreadPriority::Higher, ThreadPriority::Highest, ThreadPriority::TimeCritical}};

constexpr std::array<std::pair<MediaState, int>, 4> kMediaStateCodes{{
    {MediaState::Uninitialised, 0},
    {MediaState::Stopped, 3},
    {MediaState::Paused, 2},
    {MediaState::Playing, 1},
}};

}  // namespace

TextLayout LayoutFromCode(std::string_view code) {
  return FindText(kLayouts, code, TextLayout::Top);
}

TextAlignment AlignmentFromCode(std::string_view code) {
  return FindText(kAlignments, code, TextAlignment::Left);
}

CharCase CharCaseFromCode(int code, CharCase callerDefault) {
  return kCharCases.Find(code, callerDefault);
}

BevelCut BevelCutFromCode(int code, BevelCut callerDefault) {
  return kBevelCuts.Find(code, callerDefault);
}

BevelKind BevelKindFromCode(int code, BevelKind callerDefault) {
  return kBevelKinds.Find(code, callerDefault);
}

EditBorderStyle BorderStyleFromCode(int code, EditBorderStyle callerDefault) {
  return kBorderStyles.Find(code, callerDefault);
}

BrushStyle BrushStyleFromCode(int code, BrushStyle callerDefault) {
  return kBrushStyles.Find(code, callerDefault);
}

PenStyle PenStyleFromCode(int code, PenStyle callerDefault) {
  return kPenStyles.Find(code, callerDefault);
}

ThreadPriority ThreadPriorityFromCode(int code, ThreadPriority callerDefault) {
  return kThreadPriorities.Find(code, callerDefault);
}

int MediaStateToCode(MediaState state, int callerDefault) {
  for (const auto& [known, code] : kMediaStateCodes)
    if (known == state) return code;
  return callerDefault;
}

}  // namespace vx
