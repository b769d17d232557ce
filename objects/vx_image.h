#pragma once
// A picture object: drawn by its page, stretched, fitted or centred as the
// record says; a bitmap may leave one colour out, an animated GIF may loop.

#include <memory>
#include <optional>
#include <string>

#include "objects/vx_object.h"
#include "platform/loop.h"
#include "platform/pictures.h"

namespace vx {

class TVXImage : public TVXControl {
 public:
  explicit TVXImage(platform::EventLoop& loop);
  ~TVXImage() override;

  std::string RealName;
  // The file the picture was loaded from.
  std::string ImgPath;

  bool Stretch = false;
  bool Proportional = false;
  bool Center = false;
  bool AutoSize = false;
  // Only bitmaps take these, as the toolkit's bitmaps do.
  bool Transparent = false;
  platform::Color TransparentColor = 0xFFFFFF;
  bool Animate = false;
  // The colour left out of a bitmap (while Transparent is set).
  void SetTransparentColor(platform::Color color);
  // An animation starts again after its last frame; without, it stops there.
  void SetLoop(bool on);
  bool Loop() const { return loops_; }

  // The picture as decoded; format tells whether it is a bitmap or a GIF.
  void SetPicture(platform::Picture picture, platform::PictureFormat format);
  const platform::Picture& Picture() const { return picture_; }
  int CurrentFrame() const { return frame_; }

  // An auto-sized picture keeps the picture's size.
  void SetBounds(platform::Rect bounds) override;

  // The toolkit's mouse events of the control, which event routing attaches.
  std::function<void(platform::MouseButton, platform::Point)> OnMouseDown;
  std::function<void(platform::MouseButton, platform::Point)> OnMouseUp;
  void MouseDown(platform::MouseButton button, platform::Point at) override {
    if (OnMouseDown) OnMouseDown(button, at);
  }
  void MouseUp(platform::MouseButton button, platform::Point at) override {
    if (OnMouseUp) OnMouseUp(button, at);
  }

  // Where the picture lands inside the object.
  platform::Rect DestRect() const;
  void Paint(platform::Canvas& canvas) override;
  // Properties changed: draw again.
  void Changed() const { Invalidate(); }

 private:
  void NextFrame();
  void Prepare();

  platform::EventLoop& loop_;
  platform::Picture picture_;
  std::optional<platform::PictureFormat> format_;
  // What is drawn: the frames with the transparent colour left out.
  std::vector<RgbaImage> shown_;
  std::unique_ptr<platform::Timer> animation_;
  int frame_ = 0;
  bool loops_ = true;
};

}  // namespace vx
