#pragma once
// Project code numbers to widget settings.

#include <string_view>

#include "platform/widget_settings.h"

namespace vx {

// Text codes "1", "2", "3"; anything else gives Top / Left.
platform::TextLayout LayoutFromCode(std::string_view code);
platform::TextAlignment AlignmentFromCode(std::string_view code);

// A code outside the table gives callerDefault back.
platform::CharCase CharCaseFromCode(int code, platform::CharCase callerDefault);
platform::BevelCut BevelCutFromCode(int code, platform::BevelCut callerDefault);
platform::BevelKind BevelKindFromCode(int code, platform::BevelKind callerDefault);
platform::EditBorderStyle BorderStyleFromCode(int code, platform::EditBorderStyle callerDefault);
platform::BrushStyle BrushStyleFromCode(int code, platform::BrushStyle callerDefault);
platform::PenStyle PenStyleFromCode(int code, platform::PenStyle callerDefault);
platform::ThreadPriority ThreadPriorityFromCode(int code, platform::ThreadPriority callerDefault);

// The number scripts see for a player state.
int MediaStateToCode(platform::MediaState state, int callerDefault);

}  // namespace vx
