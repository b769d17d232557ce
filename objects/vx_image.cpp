#include "objects/vx_image.h"

namespace vx {

namespace {
// A frame without its own delay still moves on, as browsers do it.
constexpr unsigned kDefaultFrameDelayMs = 100;
}  // namespace

TVXImage::TVXImage(platform::EventLoop& loop) : TVXControl(ObjectKind::Picture), loop_(loop) {
  bounds_ = {0, 0, 105, 105};
}

TVXImage::~TVXImage() = default;

void TVXImage::SetPicture(platform::Picture picture, platform::PictureFormat format) {
  picture_ = std::move(picture);
  format_ = format;
  frame_ = 0;
  animation_.reset();
  Prepare();
  if (AutoSize && picture_.Width() > 0) SetBounds({bounds_.left, bounds_.top, picture_.Width(), picture_.Height()});
  if (Animate && format == platform::PictureFormat::Gif && picture_.frames.size() > 1) {
    const int delay = picture_.frames.front().delayMs;
    animation_ = loop_.CreateTimer(delay > 0 ? static_cast<unsigned>(delay) : kDefaultFrameDelayMs,
                                   [this] { NextFrame(); });
    animation_->SetEnabled(true);
  }
  Invalidate();
}

void TVXImage::SetBounds(platform::Rect bounds) {
  if (AutoSize && picture_.Width() > 0) {
    bounds.width = picture_.Width();
    bounds.height = picture_.Height();
  }
  TVXControl::SetBounds(bounds);
}

void TVXImage::Prepare() {
  shown_.clear();
  const bool keyed = Transparent && format_ == platform::PictureFormat::Bitmap;
  for (const auto& frame : picture_.frames) {
    shown_.push_back(frame.image);
    if (!keyed) continue;
    for (Rgba& p : shown_.back().Pixels())
      if (ColorOf(p) == TransparentColor) p.a = 0;
  }
}

void TVXImage::SetTransparentColor(platform::Color color) {
  TransparentColor = color;
  Prepare();
  Invalidate();
}

void TVXImage::SetLoop(bool on) {
  loops_ = on;
  // An animation that stopped at its end goes on again.
  if (on && animation_ && !animation_->Enabled()) animation_->SetEnabled(true);
}

void TVXImage::NextFrame() {
  if (picture_.frames.size() < 2) return;
  const int last = static_cast<int>(picture_.frames.size()) - 1;
  if (!loops_ && frame_ == last) {
    animation_->SetEnabled(false);
    return;
  }
  // While it loops it loops for ever, whatever count the file asks for.
  frame_ = frame_ == last ? 0 : frame_ + 1;
  const int delay = picture_.frames[static_cast<std::size_t>(frame_)].delayMs;
  animation_->SetInterval(delay > 0 ? static_cast<unsigned>(delay) : kDefaultFrameDelayMs);
  Invalidate();
}

platform::Rect TVXImage::DestRect() const {
  int w = picture_.Width();
  int h = picture_.Height();
  const int cw = bounds_.width;
  const int ch = bounds_.height;
  if (Stretch || (Proportional && (w > cw || h > ch))) {
    if (Proportional && w > 0 && h > 0) {
      const double aspect = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = static_cast<int>(cw / aspect);
        if (h > ch) {
          h = ch;
          w = static_cast<int>(ch * aspect);
        }
      } else {
        h = ch;
        w = static_cast<int>(ch * aspect);
        if (w > cw) {
          w = cw;
          h = static_cast<int>(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  platform::Rect r{0, 0, w, h};
  if (Center) {
    r.left = (cw - w) / 2;
    r.top = (ch - h) / 2;
  }
  return r;
}

void TVXImage::Paint(platform::Canvas& canvas) {
  if (shown_.empty()) return;
  const auto& image = shown_[static_cast<std::size_t>(frame_) % shown_.size()];
  canvas.DrawImage(image, DestRect(), false);
}

}  // namespace vx
