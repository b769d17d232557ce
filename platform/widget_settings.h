#pragma once
// Widget settings that the project stores as small code numbers.

namespace vx::platform {

enum class TextLayout { Top, Center, Bottom };
enum class TextAlignment { Left, Center, Right };
enum class CharCase { Normal, Upper, Lower };
enum class BevelCut { None, Lowered, Raised, Space };
enum class BevelKind { None, Tile, Soft, Flat };
enum class EditBorderStyle { None, Single };
enum class BrushStyle {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  ForwardDiagonal,
  BackwardDiagonal,
  Cross,
  DiagonalCross
};
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class ThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };
enum class MediaState { Uninitialised, Stopped, Paused, Playing };

}  // namespace vx::platform
