#include "objects/vx_text.h"

namespace vx {

namespace {
constexpr platform::Color kDisabledText = platform::MakeColor(128, 128, 128);
constexpr platform::Color kDisabledHighlight = 0xFFFFFF;
}  // namespace

platform::Size TVXText::MeasuredSize(platform::Canvas& canvas) {
  if (!hasMeasured_ || measuredCaption_ != Caption || !(measuredFont_ == Font)) {
    measured_ = canvas.MeasureText(Caption, Font);
    measuredCaption_ = Caption;
    measuredFont_ = Font;
    hasMeasured_ = true;
  }
  return measured_;
}

void TVXText::Settle(platform::Canvas& canvas) {
  if (!AutoSize || WordWrap || Caption.empty()) return;
  const platform::Size s = MeasuredSize(canvas);
  bounds_.width = s.width;
  bounds_.height = s.height;
}

void TVXText::Paint(platform::Canvas& canvas) {
  // An auto-sized single line takes the size of its caption.
  if (AutoSize && !WordWrap && !Caption.empty()) {
    const platform::Size s = MeasuredSize(canvas);
    if (s.width != bounds_.width || s.height != bounds_.height) {
      bounds_.width = s.width;
      bounds_.height = s.height;
      canvas.SetClip({0, 0, s.width, s.height});
    }
  }
  const platform::Rect box{0, 0, bounds_.width, bounds_.height};
  if (!Transparent) canvas.FillRect(box, Color);
  platform::TextStyle style;
  style.font = Font;
  style.color = FontColor;
  style.alignment = Alignment;
  style.layout = Layout;
  style.rightToLeft = RightToLeft;
  style.wordWrap = WordWrap;
  if (!enabled_) {
    // Engraved, as a disabled label is drawn.
    style.color = kDisabledHighlight;
    canvas.WriteText({1, 1, box.width, box.height}, Caption, style);
    style.color = kDisabledText;
  }
  canvas.WriteText(box, Caption, style);
}

}  // namespace vx
