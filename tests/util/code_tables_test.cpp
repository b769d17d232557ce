#include "util/code_tables.h"

#include <gtest/gtest.h>

#include <climits>

namespace vx {
namespace {

using namespace platform;

TEST(CodeTables, TextCodesWithFixedFallback) {
  EXPECT_EQ(LayoutFromCode("1"), TextLayout::Top);
  EXPECT_EQ(LayoutFromCode("2"), TextLayout::Center);
  EXPECT_EQ(LayoutFromCode("3"), TextLayout::Bottom);
  EXPECT_EQ(LayoutFromCode("4"), TextLayout::Top);
  EXPECT_EQ(LayoutFromCode(" 3"), TextLayout::Top);
  EXPECT_EQ(LayoutFromCode(""), TextLayout::Top);
  EXPECT_EQ(AlignmentFromCode("1"), TextAlignment::Left);
  EXPECT_EQ(AlignmentFromCode("2"), TextAlignment::Center);
  EXPECT_EQ(AlignmentFromCode("3"), TextAlignment::Right);
  EXPECT_EQ(AlignmentFromCode("0"), TextAlignment::Left);
  EXPECT_EQ(AlignmentFromCode("33"), TextAlignment::Left);
}

TEST(CodeTables, EditSettings) {
  EXPECT_EQ(CharCaseFromCode(0, CharCase::Lower), CharCase::Normal);
  EXPECT_EQ(CharCaseFromCode(1, CharCase::Normal), CharCase::Upper);
  EXPECT_EQ(CharCaseFromCode(2, CharCase::Normal), CharCase::Lower);
  EXPECT_EQ(CharCaseFromCode(3, CharCase::Upper), CharCase::Upper);
  EXPECT_EQ(CharCaseFromCode(-1, CharCase::Lower), CharCase::Lower);

  const BevelCut cuts[] = {BevelCut::Raised, BevelCut::Lowered, BevelCut::Space, BevelCut::None};
  for (int code = 0; code < 4; ++code) EXPECT_EQ(BevelCutFromCode(code, BevelCut::Space), cuts[code]);
  EXPECT_EQ(BevelCutFromCode(4, BevelCut::Lowered), BevelCut::Lowered);

  const BevelKind kinds[] = {BevelKind::Flat, BevelKind::Soft, BevelKind::Tile, BevelKind::None};
  for (int code = 0; code < 4; ++code) EXPECT_EQ(BevelKindFromCode(code, BevelKind::Tile), kinds[code]);
  EXPECT_EQ(BevelKindFromCode(INT_MIN, BevelKind::Soft), BevelKind::Soft);

  EXPECT_EQ(BorderStyleFromCode(0, EditBorderStyle::None), EditBorderStyle::Single);
  EXPECT_EQ(BorderStyleFromCode(1, EditBorderStyle::Single), EditBorderStyle::None);
  EXPECT_EQ(BorderStyleFromCode(2, EditBorderStyle::Single), EditBorderStyle::Single);
}

TEST(CodeTables, ShapeSettings) {
  const BrushStyle brushes[] = {BrushStyle::Clear,           BrushStyle::Solid,
                                BrushStyle::Horizontal,      BrushStyle::Vertical,
                                BrushStyle::Cross,           BrushStyle::DiagonalCross,
                                BrushStyle::ForwardDiagonal, BrushStyle::BackwardDiagonal};
  for (int code = 0; code < 8; ++code)
    EXPECT_EQ(BrushStyleFromCode(code, BrushStyle::Vertical), brushes[code]);
  EXPECT_EQ(BrushStyleFromCode(8, BrushStyle::Vertical), BrushStyle::Vertical);
  EXPECT_EQ(BrushStyleFromCode(-1, BrushStyle::Cross), BrushStyle::Cross);

  const PenStyle pens[] = {PenStyle::Clear, PenStyle::Solid,   PenStyle::Dot,
                           PenStyle::Dash,  PenStyle::DashDot, PenStyle::DashDotDot};
  for (int code = 0; code < 6; ++code) EXPECT_EQ(PenStyleFromCode(code, PenStyle::Dash), pens[code]);
  EXPECT_EQ(PenStyleFromCode(6, PenStyle::Dash), PenStyle::Dash);
}

TEST(CodeTables, ThreadPrioritiesStartAtOne) {
  const ThreadPriority priorities[] = {ThreadPriority::Idle,   ThreadPriority::Lowest,
                                       ThreadPriority::Lower,  ThreadPriority::Normal,
                                       ThreadPriority::Higher, ThreadPriority::Highest,
                                       ThreadPriority::TimeCritical};
  for (int code = 1; code <= 7; ++code)
    EXPECT_EQ(ThreadPriorityFromCode(code, ThreadPriority::Lower), priorities[code - 1]);
  EXPECT_EQ(ThreadPriorityFromCode(0, ThreadPriority::Normal), ThreadPriority::Normal);
  EXPECT_EQ(ThreadPriorityFromCode(8, ThreadPriority::Idle), ThreadPriority::Idle);
}

TEST(CodeTables, MediaStateCodes) {
  EXPECT_EQ(MediaStateToCode(MediaState::Uninitialised, -1), 0);
  EXPECT_EQ(MediaStateToCode(MediaState::Playing, -1), 1);
  EXPECT_EQ(MediaStateToCode(MediaState::Paused, -1), 2);
  EXPECT_EQ(MediaStateToCode(MediaState::Stopped, -1), 3);
  EXPECT_EQ(MediaStateToCode(static_cast<MediaState>(99), -1), -1);
}

}  // namespace
}  // namespace vx
