#pragma once
// A text object: a label drawn by its page, transparent or on its colour.

#include "objects/vx_object.h"
#include "platform/fonts.h"
#include "platform/widget_settings.h"

namespace vx {

class TVXText : public TVXControl {
 public:
  TVXText() : TVXControl(ObjectKind::Text) {}

  std::string Caption;
  platform::FontSpec Font;
  platform::Color FontColor = 0;
  platform::Color Color = 0xFFFFFF;  // the background when not transparent
  bool Transparent = false;
  bool WordWrap = false;
  bool AutoSize = true;
  bool RightToLeft = false;
  platform::TextLayout Layout = platform::TextLayout::Top;
  platform::TextAlignment Alignment = platform::TextAlignment::Left;

  // Font colours of event routing.
  platform::Color ColorNormal = 0;
  platform::Color ColorHover = 0;
  platform::Color ColorClick = 0;
  bool ColorEvents = false;

  // The toolkit's mouse events of the control, which event routing attaches.
  std::function<void(platform::MouseButton, platform::Point)> OnMouseDown;
  std::function<void(platform::MouseButton, platform::Point)> OnMouseUp;
  void MouseDown(platform::MouseButton button, platform::Point at) override {
    if (OnMouseDown) OnMouseDown(button, at);
  }
  void MouseUp(platform::MouseButton button, platform::Point at) override {
    if (OnMouseUp) OnMouseUp(button, at);
  }

  void Paint(platform::Canvas& canvas) override;
  void Settle(platform::Canvas& canvas) override;
  bool Opaque() const override { return !Transparent; }
  // Properties changed: draw again.
  void Changed() const { Invalidate(); }

 private:
  // Laying a caption out is most of a paint's cost: the size is kept until
  // the caption or the font changes.
  platform::Size MeasuredSize(platform::Canvas& canvas);
  std::string measuredCaption_;
  platform::FontSpec measuredFont_;
  platform::Size measured_{};
  bool hasMeasured_ = false;
};

}  // namespace vx
