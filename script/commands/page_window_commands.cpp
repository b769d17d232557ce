// The window of the current page: focus and foreground, caption, place and
// size, reading order, centring, border icons and frame, stay on top, the
// frame shape, the print-screen guard, scroll bars, translucency, colour
// keying, double buffering and the window colour.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "script/commands/current_page.h"
#include "script/commands/families.h"
#include "util/conversions.h"
#include "util/services.h"

namespace vx::commands {

namespace {

using platform::BorderIcons;
using platform::FrameStyle;
using platform::WindowLook;

void FocusObject(CommandContext& c);      // 57
void Foreground(CommandContext& c);       // 58
void Caption(CommandContext& c);          // 59
void Move(CommandContext& c);             // 60
void Resize(CommandContext& c);           // 61
void Center(CommandContext& c);           // 63
void Sizeable(CommandContext& c);         // 68
void StayOnTop(CommandContext& c);        // 69
void FrameShape(CommandContext& c);       // 70
void Frame(CommandContext& c);            // 71
void NoSnap(CommandContext& c);           // 72
void AlphaValue(CommandContext& c);       // 76
void KeyColor(CommandContext& c);         // 78
void WindowColor(CommandContext& c);      // 80

// A flag of the window's look, set from B(1).
template <bool WindowLook::*Flag>
void LookFlag(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  const bool on = c.B(1);
  WindowLook look = window.Look();
  look.*Flag = on;
  window.SetLook(look);
}

// One border icon, set from B(1); the others stay as they are.
template <bool BorderIcons::*Icon>
void BorderIcon(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  const bool on = c.B(1);
  BorderIcons icons = window.GetBorderIcons();
  icons.*Icon = on;
  window.SetBorderIcons(icons);
}

constexpr CommandRow kRows[] = {
    {57, OnMainThread<FocusObject>},
    {58, OnMainThread<Foreground>},
    {59, OnMainThread<Caption>},
    {60, OnMainThread<Move>},
    {61, OnMainThread<Resize>},
    {62, OnMainThread<LookFlag<&WindowLook::rightToLeft>>},
    {63, OnMainThread<Center>},
    {64, OnMainThread<BorderIcon<&BorderIcons::systemMenu>>},
    {65, OnMainThread<BorderIcon<&BorderIcons::minimize>>},
    {66, OnMainThread<BorderIcon<&BorderIcons::maximize>>},
    {67, OnMainThread<BorderIcon<&BorderIcons::help>>},
    {68, OnMainThread<Sizeable>},
    {69, OnMainThread<StayOnTop>},
    {70, OnMainThread<FrameShape>},
    {71, OnMainThread<Frame>},
    {72, OnMainThread<NoSnap>},
    {73, OnMainThread<LookFlag<&WindowLook::horizontalScrollBar>>},
    {74, OnMainThread<LookFlag<&WindowLook::verticalScrollBar>>},
    {75, OnMainThread<LookFlag<&WindowLook::alphaBlend>>},
    {76, OnMainThread<AlphaValue>},
    {77, OnMainThread<LookFlag<&WindowLook::transparentColorKey>>},
    {78, OnMainThread<KeyColor>},
    {79, OnMainThread<LookFlag<&WindowLook::doubleBuffered>>},
    {80, OnMainThread<WindowColor>},
};

void FocusObject(CommandContext& c) {
  try {
    TVXForm& page = CurrentPageForm(c);
    page.FocusObject(c.S(1));
  } catch (const std::exception&) {
    // No such object, or one that cannot take the keyboard: nothing happens.
  }
}

void Foreground(CommandContext& c) {
  try {
    Application& app = c.App();
    const std::string name = c.S(1);
    if (name.empty()) {
      CurrentPageForm(c).Window().BringToForeground();
    } else if (platform::Window* page = GetFormByNum(app, PageNumberByName(app, name))) {
      page->BringToForeground();
    }
  } catch (const std::exception&) {
    // A page that cannot come forward stays where it is.
  }
}

void Caption(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  window.SetCaption(c.S(1));
}

// Each coordinate is a change of its own, as two property assignments are:
// the page moves (or resizes) twice, and hears each.
void Move(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  const auto left = static_cast<int>(c.I(1));
  const auto top = static_cast<int>(c.I(2));
  platform::Rect bounds = window.Bounds();
  bounds.left = left;
  window.SetBounds(bounds);
  bounds = window.Bounds();
  bounds.top = top;
  window.SetBounds(bounds);
}

void Resize(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  const auto width = static_cast<int>(c.I(1));
  const auto height = static_cast<int>(c.I(2));
  platform::Rect bounds = window.Bounds();
  bounds.width = width;
  window.SetBounds(bounds);
  bounds = window.Bounds();
  bounds.height = height;
  window.SetBounds(bounds);
}

void Center(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  if (c.B(1)) CenterForm(c.App().platform, window.Name());
}

void Sizeable(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  const bool on = c.B(1);
  struct Pair {
    FrameStyle fixed, sizeable;
  };
  static constexpr Pair kPairs[] = {
      {FrameStyle::ToolWindow, FrameStyle::SizeableToolWindow},
      {FrameStyle::Single, FrameStyle::Sizeable},
  };
  const FrameStyle frame = window.GetFrameStyle();
  for (const Pair& pair : kPairs) {
    if (on && frame == pair.fixed) window.SetFrameStyle(pair.sizeable);
    if (!on && frame == pair.sizeable) window.SetFrameStyle(pair.fixed);
  }
}

void StayOnTop(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  window.SetStayOnTop(c.B(1));
}

void FrameShape(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  const bool on = c.B(1);
  if (page.page.frameShape.visible == on) return;
  page.page.frameShape.visible = on;
  page.Window().Repaint();
}

void Frame(CommandContext& c) {
  Application& app = c.App();
  platform::Window& window = CurrentPageForm(c).Window();
  switch (c.I(1)) {
    case 0: window.SetFrameStyle(FrameStyle::Single); break;
    case 1: window.SetFrameStyle(FrameStyle::ToolWindow); break;
    case 2:
      window.SetFrameStyle(FrameStyle::None);
      app.PageDragging = true;
      break;
    case 3:
      window.SetFrameStyle(FrameStyle::None);
      app.PageDragging = false;
      break;
    default: break;
  }
}

void NoSnap(CommandContext& c) {
  Application& app = c.App();
  TVXForm& page = CurrentPageForm(c);
  const bool on = c.B(1);
  const auto n = static_cast<std::size_t>(CurrentPageNumber(app));
  if (n < app.formDB.size()) app.formDB[n].NoSnap = on ? 1 : 0;
  page.NoSnap().SetEnabled(on);
}

void AlphaValue(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  WindowLook look = window.Look();
  // Taken as a byte: 300 is 44, -1 is 255.
  look.alphaValue = static_cast<std::uint8_t>(c.I(1) & 0xFF);
  window.SetLook(look);
}

void KeyColor(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  WindowLook look = window.Look();
  look.transparentColor = HexToColor(c.S(1));
  window.SetLook(look);
}

void WindowColor(CommandContext& c) {
  platform::Window& window = CurrentPageForm(c).Window();
  WindowLook look = window.Look();
  look.color = HexToColor(c.S(1));
  window.SetLook(look);
}

}  // namespace

std::span<const CommandRow> PageWindowCommands() { return kRows; }

}  // namespace vx::commands
