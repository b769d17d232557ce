// Methods 38-42 and 68: the default button; a picture's scaling, animation
// loop and the transparent colour of its bitmap.

#include "objects/methods/families.h"
#include "objects/vx_hosted.h"
#include "objects/vx_button.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "util/error.h"

namespace vx::methods {

namespace {

void DefaultButton(MethodCall& m);     // 38
void Proportional(MethodCall& m);      // 39
void Stretch(MethodCall& m);           // 40
void Centre(MethodCall& m);            // 41
void Loop(MethodCall& m);              // 42
void TransparentColour(MethodCall& m); // 68

constexpr MethodRow kRows[] = {
    {38, DefaultButton}, {39, Proportional}, {40, Stretch},
    {41, Centre},        {42, Loop},         {68, TransparentColour},
};

void DefaultButton(MethodCall& m) {
  if (auto* button = As<TVXButton>(m.object)) button->SetDefault(m.Flag(1));
}

void Proportional(MethodCall& m) {
  if (auto* image = As<TVXImage>(m.object)) {
    image->Proportional = m.Flag(1);
    image->Changed();
  }
}

void Stretch(MethodCall& m) {
  if (auto* image = As<TVXImage>(m.object)) {
    image->Stretch = m.Flag(1);
    image->Changed();
  }
}

void Centre(MethodCall& m) {
  if (auto* image = As<TVXImage>(m.object)) {
    image->Center = m.Flag(1);
    image->Changed();
  }
}

void Loop(MethodCall& m) {
  if (auto* image = As<TVXImage>(m.object)) image->SetLoop(m.Flag(1));
  else if (auto* sound = As<TVXSound>(m.object)) sound->Loop = m.Flag(1);
  else if (auto* flash = As<TVXFlash>(m.object)) flash->Player().SetLoop(m.Flag(1));
}

void TransparentColour(MethodCall& m) {
  auto* image = As<TVXImage>(m.object);
  if (image == nullptr) return;
  try {
    image->SetTransparentColor(m.Colour(1));
  } catch (const Error&) {
    // As the method always did: a colour that does not take changes nothing.
  }
}

}  // namespace

std::span<const MethodRow> ButtonImageMethods() { return kRows; }

}  // namespace vx::methods
