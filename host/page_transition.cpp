#include "host/page_transition.h"

#include <algorithm>
#include <optional>

#include "util/error.h"

namespace vx {

namespace {

// As often as the platforms' timers fire; the frame shows where the clock is.
constexpr unsigned kFrameIntervalMs = 10;

}  // namespace

PageTransition::PageTransition(platform::Platform& platform, platform::Window& window,
                               std::function<void(platform::Canvas&)> paintPage, const std::int64_t& pixelLimit)
    : platform_(platform), window_(window), paintPage_(std::move(paintPage)), pixelLimit_(pixelLimit) {
  timer_ = platform_.loop.CreateTimer(kFrameIntervalMs, [this] { Tick(); });
}

PageTransition::~PageTransition() = default;

void PageTransition::Start(const TransitionSettings& settings) {
  const imaging::TransitionInfo* info = imaging::TransitionByCode(settings.effect);
  if (info == nullptr || settings.durationMs <= 0 || !SizeFits(window_.ClientSize())) {
    Stop();
    return;
  }
  kind_ = info->kind;
  params_ = {};
  params_.style = settings.style;
  params_.subStyle = settings.subStyle;
  params_.size1 = settings.size1;
  params_.size2 = settings.size2;
  params_.option1 = settings.option1;
  params_.option2 = settings.option2;
  // Without a direction digit the effect runs as digit 0 asks: from the top.
  params_.direction = settings.direction != 0 ? settings.direction : imaging::TransitionDirectionFromCode(0);
  params_.mask = kind_ == imaging::TransitionKind::BitmapMask ? Mask(settings.maskPath) : nullptr;
  durationMs_ = settings.durationMs;
  from_ = window_.ScreenBehind();
  startTick_ = platform_.loop.TickCount();
  if (!running_) {
    // Frames go to the screen in one piece, never half drawn.
    platform::WindowLook look = window_.Look();
    restoreSingleBuffer_ = !look.doubleBuffered;
    if (restoreSingleBuffer_) {
      look.doubleBuffered = true;
      window_.SetLook(look);
    }
  }
  running_ = true;
  timer_->SetEnabled(true);
  window_.Repaint();
}

void PageTransition::Stop() {
  timer_->SetEnabled(false);
  if (!running_) return;
  running_ = false;
  from_ = {};
  if (restoreSingleBuffer_) {
    platform::WindowLook look = window_.Look();
    look.doubleBuffered = false;
    window_.SetLook(look);
    restoreSingleBuffer_ = false;
  }
  if (window_.IsVisible()) window_.Repaint();
}

int PageTransition::Progress() const {
  if (!running_) return 1000;
  const std::uint32_t elapsed = platform_.loop.TickCount() - startTick_;
  return static_cast<int>(std::min<std::uint64_t>(1000, std::uint64_t{elapsed} * 1000 / static_cast<unsigned>(durationMs_)));
}

void PageTransition::Tick() {
  if (!running_) {
    timer_->SetEnabled(false);
    return;
  }
  // A page resized past the limit meanwhile shows plainly from now on.
  if (Progress() >= 1000 || !SizeFits(window_.ClientSize())) Stop();
  else window_.Repaint();
}

bool PageTransition::Paint(platform::Canvas& canvas) {
  if (!running_) return false;
  const platform::Size size = window_.ClientSize();
  if (!SizeFits(size)) return false;
  RgbaImage to(size.width, size.height, RgbaOf(window_.Look().color));
  {
    std::unique_ptr<platform::Canvas> onPicture = platform_.pictures.CanvasOn(to);
    paintPage_(*onPicture);
  }
  // What was behind may differ in size (the page resized meanwhile): black
  // where nothing was seen.
  if (from_.Width() != size.width || from_.Height() != size.height) {
    RgbaImage from(size.width, size.height, {0, 0, 0, 255});
    for (int y = 0; y < std::min(size.height, from_.Height()); ++y)
      std::copy_n(from_.Row(y), std::min(size.width, from_.Width()), from.Row(y));
    from_ = std::move(from);
  }
  const RgbaImage frame = imaging::TransitionFrame(kind_, from_, to, Progress(), params_);
  canvas.DrawImage(frame, {0, 0, size.width, size.height}, false);
  return true;
}

bool PageTransition::SizeFits(platform::Size size) const {
  return size.width > 0 && size.height > 0 && RgbaImage::SizeAllowed(size.width, size.height) &&
         std::int64_t{size.width} * size.height <= pixelLimit_;
}

const RgbaImage* PageTransition::Mask(const std::string& path) {
  if (path.empty()) return nullptr;
  if (path != maskPath_) {
    maskPath_ = path;
    mask_ = {};
    try {
      const std::string bytes = platform::ReadWholeFile(platform_.files, path);
      using platform::PictureFormat;
      for (PictureFormat format : {PictureFormat::Bitmap, PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Gif,
                                   PictureFormat::Icon}) {
        std::optional<platform::Picture> picture = platform_.pictures.Decode(bytes, format);
        if (picture && !picture->frames.empty()) {
          mask_ = std::move(picture->frames.front().image);
          break;
        }
      }
    } catch (const Error&) {
      // Without its mask the effect shows the page at the end.
    }
  }
  return mask_.Empty() ? nullptr : &mask_;
}

}  // namespace vx
